#pragma once
#include <memory>
#include <vector>

#include <QList>
#include <QSize>
#include <QString>

#include "PersonProfile.h"

namespace kelra {

class CChildFrame;
class CDocTemplate;
class CKelraView;
class CMainFrame;

// The kind of the next child window: 0 chart, 1 comments. Set by the one
// opener (CMainFrame::OpenPersonWindow) around one call of the template and
// read by the child frame for its size and by the template for the view.
extern int nextViewMode;

// Sets nextViewMode for one opening; back to 0 however it ends.
class NextViewScope {
public:
    explicit NextViewScope(int mode) { nextViewMode = mode; }
    ~NextViewScope() { nextViewMode = 0; }
    NextViewScope(const NextViewScope&) = delete;
    NextViewScope& operator=(const NextViewScope&) = delete;
};

// A person window's document: title, path, its windows; no person data.
class CKelraDoc {
public:
    CKelraDoc(CDocTemplate& docTemplate, CMainFrame& frame);
    CKelraDoc(const CKelraDoc&) = delete;
    CKelraDoc& operator=(const CKelraDoc&) = delete;

    CMainFrame* const mainFrame;

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

private:
    friend class CDocTemplate;  // keeps the list of windows
    void UpdateFrameTitles();

    CDocTemplate& template_;
    QString title_;
    QString path_;
    bool modified_ = false;
    QList<CChildFrame*> frames_;
};

// Makes document, child frame and view together and owns the documents
// ("personTemplate"). A document goes when its last window does.
class CDocTemplate {
public:
    CDocTemplate();
    ~CDocTemplate();
    CDocTemplate(const CDocTemplate&) = delete;
    CDocTemplate& operator=(const CDocTemplate&) = delete;

    // The main frame announces itself once it is made; windows go into it.
    void SetMainFrame(CMainFrame* frame) { mainFrame_ = frame; }

    // A new untitled document (Kelra1, Kelra2, ...) with one window whose
    // view, of mode nextViewMode, copies source.
    CKelraDoc* OpenNewDocument(const PersonProfile& source, bool makeVisible = true);
    // With a path: the open document of that path is activated, or the
    // document's open operation runs; null when nothing opened.
    CKelraDoc* OpenDocumentFile(const QString& path);
    // A further window on doc whose view, of viewMode, copies source.
    CChildFrame* CreateNewFrame(CKelraDoc& doc, const PersonProfile& source, int viewMode);
    // The window leaves its document; the document goes with its last one.
    void RemoveFrame(CKelraDoc& doc, CChildFrame* frame);

    CKelraDoc* FindDocument(const QString& path) const;
    QList<CKelraDoc*> Documents() const;

private:
    CMainFrame* mainFrame_ = nullptr;
    std::vector<std::unique_ptr<CKelraDoc>> documents_;
    int untitledCount_ = 0;
};

}  // namespace kelra
