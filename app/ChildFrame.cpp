#include "ChildFrame.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMenu>

#include <utility>

#include "CKelraView.h"
#include "CommandIds.h"
#include "MainFrame.h"
#include "KelraDoc.h"

namespace kelra {

CChildFrame::CChildFrame(CKelraDoc* doc, QWidget* parent) : QMdiSubWindow(parent), doc_(doc) {
    setAttribute(Qt::WA_DeleteOnClose);
}

CChildFrame::~CChildFrame() {
    // The view's teardown (recent entry, data file) runs while the document
    // still knows the frame.
    delete widget();
    if (doc_) doc_->RemoveFrame(this);
}

void CChildFrame::PreCreateWindow(const QSize& platformDefault) {
    QSize size = platformDefault;
    if (nextViewMode == 0) size.setHeight(450);
    else if (nextViewMode == 1) size.setWidth(700);
    resize(size);
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    QMdiSubWindow::closeEvent(event);
    // The person is recorded and the file written when the window closes, not
    // whenever the object happens to go.
    if (!event->isAccepted()) return;
    if (CKelraView* view = View()) view->OnDestroy();
    // The document forgets the window now; it goes with its last one.
    if (CKelraDoc* doc = std::exchange(doc_, nullptr)) doc->RemoveFrame(this);
}

void CChildFrame::contextMenuEvent(QContextMenuEvent* event) {
    // The menus carry no print entries; the window's own menu offers them.
    auto* frame = doc_ ? doc_->mainFrame : nullptr;
    if (!frame || !widget() || !widget()->geometry().contains(event->pos())) {
        QMdiSubWindow::contextMenuEvent(event);
        return;
    }
    QMenu menu(this);
    for (int id : {int{ID_FILE_PRINT}, int{ID_FILE_PRINT_DIRECT}, int{ID_FILE_PRINT_PREVIEW}, 0, int{ID_PROPERTIES},
                   int{ID_COMMENTS}}) {
        if (id == 0) menu.addSeparator();
        else menu.addAction(frame->Action(id));
    }
    menu.exec(event->globalPos());
}

CKelraView* CChildFrame::View() const { return dynamic_cast<CKelraView*>(widget()); }

}  // namespace kelra
