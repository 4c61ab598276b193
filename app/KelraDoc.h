#pragma once
#include <QList>
#include <QString>

#include "PersonProfile.h"

namespace kelra {

class CChildFrame;
class CDocTemplate;
class CKelraView;
class CMainFrame;

// The kind of the next child window: 0 chart, 1 comments. Set by each opener
// around one call of the template, read by the child frame and the view.
extern int nextViewMode;
// The profile a comments view copies; set beside nextViewMode by Comments.
extern const PersonProfile* nextViewSource;

// Sets nextViewMode (and the source) for one opening; back to 0 however it ends.
class NextViewScope {
public:
    explicit NextViewScope(int mode, const PersonProfile* source = nullptr) {
        nextViewMode = mode;
        nextViewSource = source;
    }
    ~NextViewScope() {
        nextViewMode = 0;
        nextViewSource = nullptr;
    }
    NextViewScope(const NextViewScope&) = delete;
    NextViewScope& operator=(const NextViewScope&) = delete;
};

// A person window's document: title, path, views; no person data.
class CKelraDoc {
public:
    explicit CKelraDoc(CDocTemplate* docTemplate);

    CMainFrame* mainFrame = nullptr;

    const QString& GetTitle() const { return title_; }
    void SetTitle(const QString& title);
    const QString& GetPathName() const { return path_; }
    // The path, the title from its file part, and the recent list entry.
    void SetPathName(const QString& path, bool addToMRU = true);
    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true) { modified_ = modified; }
    void Serialize() {}

    bool OnNewDocument();
    // Reopens the person named by path in a new window; always false.
    bool OnOpenDocument(const QString& path);

    const QList<CChildFrame*>& Frames() const { return frames_; }
    QList<CKelraView*> Views() const;
    void UpdateAllViews(CKelraView* sender);
    CDocTemplate* Template() const { return template_; }

    // Frame bookkeeping for the template.
    void AddFrame(CChildFrame* frame);
    void RemoveFrame(CChildFrame* frame);  // the document goes with its last frame
    void UpdateFrameTitles();

private:
    CDocTemplate* template_;
    QString title_;
    QString path_;
    bool modified_ = false;
    QList<CChildFrame*> frames_;
};

// Makes document, child frame and view together ("personTemplate").
class CDocTemplate {
public:
    explicit CDocTemplate(CMainFrame* frame = nullptr);
    ~CDocTemplate();

    // Without a path: a new untitled document (Kelra1, Kelra2, ...) in a new
    // window. With a path: the open document of that path is activated, or
    // the document's open operation runs; null when nothing opened.
    CKelraDoc* OpenDocumentFile(const QString* path, bool makeVisible = true);
    // A further window on a document (New Window).
    CChildFrame* CreateNewFrame(CKelraDoc* doc);
    CKelraDoc* FindDocument(const QString& path) const;
    const QList<CKelraDoc*>& Documents() const { return documents_; }

    void RemoveDocument(CKelraDoc* doc);
    CMainFrame* MainFrame() const { return mainFrame_; }
    void SetMainFrame(CMainFrame* frame) { mainFrame_ = frame; }

private:
    CMainFrame* mainFrame_;
    QList<CKelraDoc*> documents_;
    int untitledCount_ = 0;
};

}  // namespace kelra
