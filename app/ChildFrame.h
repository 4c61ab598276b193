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
    // The window's number on its document (1 for the first).
    int WindowNumber() const { return number_; }
    void SetWindowNumber(int number) { number_ = number; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    CKelraDoc* doc_;
    int number_ = 1;
};

}  // namespace kelra
