#include "ChildFrame.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMenu>

#include <utility>

#include "CKelraView.h"
#include "CommandIds.h"
#include "KelraDoc.h"
#include "MainFrame.h"
#include "UiHelpers.h"

namespace kelra {

CChildFrame::CChildFrame(CKelraDoc& doc, const QSize& platformDefault, QWidget* parent)
    : QMdiSubWindow(parent), doc_(&doc) {
    setAttribute(Qt::WA_DeleteOnClose);
    PreCreateWindow(platformDefault);
    // The main frame's Ctrl+F4 closes whichever window is active; the same
    // key on every window's own menu would make it ambiguous. The menu still
    // names the key.
    if (QMenu* menu = systemMenu()) {
        for (QAction* action : menu->actions()) {
            if (!action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_F4))) continue;
            action->setText(action->text() + QStringLiteral("\tCtrl+F4"));
            action->setShortcuts({});
        }
    }
}

CChildFrame::~CChildFrame() { Leave(); }

void CChildFrame::PreCreateWindow(const QSize& platformDefault) {
    QSize size = platformDefault;
    if (nextViewMode == 0) size.setHeight(450);
    else if (nextViewMode == 1) size.setWidth(700);
    resize(size);
}

void CChildFrame::SetView(CKelraView* view) {
    // Below this the chart's labels run into each other.
    view->setMinimumSize(kMinimumClient);
    setWidget(view);
    connect(view, &CKelraView::titleChanged, this, [this, view](const QString& title) {
        if (!doc_) return;
        doc_->SetTitle(title);
        doc_->UpdateAllViews(view);
    });
    // A paint must not open a box itself: the message comes after it.
    connect(view, &CKelraView::drawingFailed, this, [this](const QString& text) { ShowWarning(this, text); },
            Qt::QueuedConnection);
}

CKelraView* CChildFrame::View() const { return qobject_cast<CKelraView*>(widget()); }

void CChildFrame::Leave() {
    CKelraDoc* doc = std::exchange(doc_, nullptr);
    if (!doc) return;
    if (CKelraView* view = View()) view->OnDestroy();
    doc->mainFrame->Template().RemoveFrame(*doc, this);
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    QMdiSubWindow::closeEvent(event);
    // The person is recorded and the file written when the window closes,
    // not whenever the object happens to be deleted.
    if (event->isAccepted()) Leave();
}

void CChildFrame::contextMenuEvent(QContextMenuEvent* event) {
    // The menus carry no print entries; the window's own menu offers them.
    if (!doc_ || !widget() || !widget()->geometry().contains(event->pos())) {
        QMdiSubWindow::contextMenuEvent(event);
        return;
    }
    QMenu menu(this);
    CMainFrame* frame = doc_->mainFrame;
    for (int id : {int{ID_FILE_PRINT}, int{ID_FILE_PRINT_DIRECT}, int{ID_FILE_PRINT_PREVIEW}})
        menu.addAction(frame->Action(id));
    menu.addAction(frame->SaveChartAction());
    menu.addSeparator();
    menu.addAction(frame->Action(ID_PROPERTIES));
    menu.addAction(frame->Action(ID_COMMENTS));
    menu.exec(event->globalPos());
}

}  // namespace kelra
