#pragma once
#include <QMdiSubWindow>

namespace kelra {

class CKelraDoc;
class CKelraView;

// A child window holding one view of a document.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    // The initial size comes from PreCreateWindow; parent is the area the
    // window lives in.
    CChildFrame(CKelraDoc& doc, const QSize& platformDefault, QWidget* parent);
    ~CChildFrame() override;

    // The initial size by the kind of window being opened (nextViewMode).
    void PreCreateWindow(const QSize& platformDefault);

    // Takes the view as this window's content and listens to it.
    void SetView(CKelraView* view);

    // The smallest client area at which a chart stays readable: axis labels,
    // title and legend entries stand apart (the last note lines may be cut).
    static constexpr QSize kMinimumClient{400, 300};

    CKelraDoc* Document() const { return doc_; }
    CKelraView* View() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // The one teardown of a window, however it goes: the view records its
    // person and writes its file, and the window leaves its document.
    void Leave();

    CKelraDoc* doc_;  // null once the window has left it
};

}  // namespace kelra
