#pragma once
#include <QMdiSubWindow>

namespace kelra {

class CKelraDoc;
class CKelraView;

// A child window holding one view of a document.
class CChildFrame : public QMdiSubWindow {
public:
    CChildFrame(CKelraDoc* doc, QWidget* parent = nullptr);
    ~CChildFrame() override;

    // The initial size by the kind of window being opened (nextViewMode).
    void PreCreateWindow(const QSize& platformDefault);

    CKelraDoc* Document() const { return doc_; }
    CKelraView* View() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    CKelraDoc* doc_;
};

}  // namespace kelra
