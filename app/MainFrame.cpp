#include "MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QWhatsThis>

#include "AboutDlg.h"
#include "BiorhythmCalc.h"
#include "CDia_Person.h"
#include "CKelraView.h"
#include "ChildFrame.h"
#include "Clock.h"
#include "CommandIds.h"
#include "Icons.h"
#include "InvalidArgument.h"
#include "KelraDoc.h"
#include "LockKeys.h"
#include "RecentEntry.h"
#include "RecentFileList.h"
#include "UiHelpers.h"

namespace kelra {
namespace {

const QString kContextHelpText = QStringLiteral("Select an object on which to get Help");

}  // namespace

CMainFrame::CMainFrame(CDocTemplate& personTemplate, RecentFileList& recentFiles, int& previewPages,
                       QWidget* parent)
    : QMainWindow(parent), personTemplate_(personTemplate), recentFiles_(recentFiles), previewPages_(previewPages) {
    personTemplate_.SetMainFrame(this);
    // The defaults follow the moment the frame is made, not a later New Person.
    defaultProfile = MakeDefaultProfile(Now());
    setWindowTitle(QStringLiteral("Kelra"));
    setWindowIcon(AppIcon());
    documentIcon_ = AppIcon();  // made once, shown by every person window
    // The usual first size, but never larger than the screen's free area.
    const QSize room = screen() ? screen()->availableGeometry().size() * 9 / 10 : QSize(1000, 720);
    resize(QSize(1000, 720).boundedTo(room));
}

CMainFrame::~CMainFrame() {
    // Windows still open go while the frame they report to is whole.
    if (mdiArea_) qDeleteAll(mdiArea_->subWindowList());
}

int CMainFrame::OnCreate() {
    mdiArea_ = new QMdiArea(this);
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow*) {
        UpdateMenus();
        UpdateCaption();
    });

    CreateActions();

    toolBar_ = new QToolBar(QStringLiteral("Standard"), this);
    toolBar_->setObjectName(QString::number(ID_VIEW_TOOLBAR));
    toolBar_->setIconSize(QSize(16, 16));
    toolBar_->setMovable(true);
    toolBar_->setFloatable(true);
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    toolBar_->addAction(Action(ID_NEW_PERSON));
    toolBar_->addAction(Action(ID_PROPERTIES));
    toolBar_->addAction(Action(ID_COMMENTS));
    addToolBar(Qt::TopToolBarArea, toolBar_);
    // The View menu's tick follows the bar however it was hidden; the frame
    // offers no menu of its own for its bars.
    connect(toolBar_, &QToolBar::visibilityChanged, Action(ID_VIEW_TOOLBAR), &QAction::setChecked);
    setContextMenuPolicy(Qt::NoContextMenu);
    setDockOptions(dockOptions() | QMainWindow::AllowNestedDocks);

    QStatusBar* bar = statusBar();
    bar->setObjectName(QString::number(ID_VIEW_STATUS_BAR));
    idlePane_ = new QLabel(QStringLiteral(" "), bar);
    bar->addWidget(idlePane_, 1);
    for (const char* indicator : {"CAP", "NUM", "SCRL"}) {
        auto* pane = new QLabel(bar);
        pane->setObjectName(QString::fromLatin1(indicator));
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        pane->setAlignment(Qt::AlignCenter);
        // Each pane keeps the width of its text, shown or not.
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QString::fromLatin1(indicator)) + 12);
        bar->addPermanentWidget(pane);
        lockPanes_.append(pane);
    }
    // The states are asked for a few times a second where the platform tells them.
    const std::optional<LockKeys> keys = ReadLockKeys();
    ShowLockKeys(keys);
    if (keys) {
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [this] { ShowLockKeys(ReadLockKeys()); });
        poll->start(250);
    }
    if (!toolBar_ || !bar) return -1;

    CreateMenus();

    CBiorhythmCalc().CopyProfile(lastEnteredProfile, defaultProfile);
    UpdateMenus();
    return 0;
}

QAction* CMainFrame::MakeAction(int id, const QString& text, const QString& prompt, bool handled) {
    auto* action = new QAction(text, this);
    action->setData(id);
    action->setObjectName(QString::number(id));
    const qsizetype nl = prompt.indexOf(QLatin1Char('\n'));
    action->setStatusTip(nl >= 0 ? prompt.left(nl) : prompt);
    if (nl >= 0) action->setToolTip(prompt.mid(nl + 1));
    action->setShortcutContext(Qt::ApplicationShortcut);
    if (handled) {
        connect(action, &QAction::triggered, this, [this, id] { ExecuteCommand(id); });
    } else {
        action->setEnabled(false);  // no handler: present and inactive
    }
    actions_[id] = action;
    addAction(action);
    return action;
}

void CMainFrame::CreateActions() {
    MakeAction(ID_NEW_PERSON, QStringLiteral("New Person"), QStringLiteral("New Person\nNew Person"))
        ->setIcon(NewPersonIcon());
    MakeAction(ID_PROPERTIES, QStringLiteral("Properties"),
               QStringLiteral("Show Properties Dialog\nShow Properties Dialog"))
        ->setIcon(PropertiesIcon());
    MakeAction(ID_COMMENTS, QStringLiteral("Comments"), QStringLiteral("Show Comments\nShow Comments"))
        ->setIcon(CommentsIcon());
    MakeAction(ID_FILE_NEW, QStringLiteral("&New"), QStringLiteral("New Person\nNew Person"))
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    MakeAction(ID_FILE_OPEN, QStringLiteral("&Open..."), QStringLiteral("Open an existing document\nOpen"))
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    MakeAction(ID_FILE_SAVE, QStringLiteral("&Save"), QString())
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    MakeAction(ID_FILE_CLOSE, QStringLiteral("&Close"), QStringLiteral("Close the active document\nClose"));
    MakeAction(ID_FILE_PRINT, QStringLiteral("&Print..."), QStringLiteral("Print the active document\nPrint"))
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    MakeAction(ID_FILE_PRINT_DIRECT, QStringLiteral("Print &Direct"), QString());
    MakeAction(ID_FILE_PRINT_PREVIEW, QStringLiteral("Print Pre&view"), QString());
    MakeAction(ID_APP_EXIT, QStringLiteral("E&xit"),
               QStringLiteral("Quit the application; prompts to save documents\nExit"));
    MakeAction(ID_VIEW_TOOLBAR, QStringLiteral("&Toolbar"), QStringLiteral("Show or hide the toolbar\nToggle ToolBar"));
    MakeAction(ID_VIEW_STATUS_BAR, QStringLiteral("&Status Bar"),
               QStringLiteral("Show or hide the status bar\nToggle StatusBar"));
    Action(ID_VIEW_TOOLBAR)->setCheckable(true);
    Action(ID_VIEW_TOOLBAR)->setChecked(true);
    Action(ID_VIEW_STATUS_BAR)->setCheckable(true);
    Action(ID_VIEW_STATUS_BAR)->setChecked(true);
    MakeAction(ID_WINDOW_NEW, QStringLiteral("&New Window"),
               QStringLiteral("Open another window for the active document\nNew Window"));
    MakeAction(ID_WINDOW_CASCADE, QStringLiteral("&Cascade"),
               QStringLiteral("Arrange windows so they overlap\nCascade Windows"));
    MakeAction(ID_WINDOW_TILE_HORZ, QStringLiteral("&Tile"),
               QStringLiteral("Arrange windows as non-overlapping tiles\nTile Windows"));
    MakeAction(ID_WINDOW_ARRANGE, QStringLiteral("&Arrange Icons"),
               QStringLiteral("Arrange icons at the bottom of the window\nArrange Icons"));
    MakeAction(ID_HELP_FINDER, QStringLiteral("&Help Topics"), QStringLiteral("List Help topics\nHelp Topics"));
    MakeAction(ID_HELP, QStringLiteral("Help"), QString())
        ->setShortcut(QKeySequence(Qt::Key_F1));
    MakeAction(ID_DEFAULT_HELP, QStringLiteral("Help"), QString());
    MakeAction(ID_CONTEXT_HELP, QStringLiteral("Context Help"), QString())
        ->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
    MakeAction(ID_APP_ABOUT, QStringLiteral("&About Kelra..."), QString());

    // Keys without a handler: present, inactive.
    struct Inactive {
        int id;
        const char* text;
        QList<QKeySequence> keys;
    };
    const Inactive inactive[] = {
        {ID_EDIT_UNDO, "&Undo", {QKeySequence(QStringLiteral("Ctrl+Z")), QKeySequence(QStringLiteral("Alt+Backspace"))}},
        {ID_EDIT_CUT, "Cu&t", {QKeySequence(QStringLiteral("Ctrl+X")), QKeySequence(QStringLiteral("Shift+Del"))}},
        {ID_EDIT_COPY, "&Copy", {QKeySequence(QStringLiteral("Ctrl+C")), QKeySequence(QStringLiteral("Ctrl+Ins"))}},
        {ID_EDIT_PASTE, "&Paste", {QKeySequence(QStringLiteral("Ctrl+V")), QKeySequence(QStringLiteral("Shift+Ins"))}},
        {ID_NEXT_PANE, "Next Pane", {QKeySequence(Qt::Key_F6)}},
        {ID_PREV_PANE, "Previous Pane", {QKeySequence(Qt::SHIFT | Qt::Key_F6)}},
    };
    for (const auto& i : inactive) MakeAction(i.id, QString::fromLatin1(i.text), QString(), false)->setShortcuts(i.keys);

    // Only in a person window's own menu; it has no command number.
    saveChart_ = new QAction(QStringLiteral("Save Chart As..."), this);
    saveChart_->setStatusTip(QStringLiteral("Save the chart as a picture"));
    connect(saveChart_, &QAction::triggered, this, &CMainFrame::OnSaveChartAs);

    // The platform's keys for child windows, beside Ctrl+Tab: close, next, previous.
    auto windowKey = [this](const QKeySequence& keys) {
        auto* action = new QAction(this);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::ApplicationShortcut);
        addAction(action);
        return action;
    };
    connect(windowKey(QKeySequence(Qt::CTRL | Qt::Key_F4)), &QAction::triggered, mdiArea_,
            &QMdiArea::closeActiveSubWindow);
    connect(windowKey(QKeySequence(Qt::CTRL | Qt::Key_F6)), &QAction::triggered, mdiArea_,
            &QMdiArea::activateNextSubWindow);
    connect(windowKey(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6)), &QAction::triggered, mdiArea_,
            &QMdiArea::activatePreviousSubWindow);
}

QMenu* CMainFrame::BuildFileMenu(bool child) {
    auto* menu = new QMenu(QStringLiteral("&File"), this);
    menu->addAction(Action(ID_NEW_PERSON));
    if (child) menu->addAction(Action(ID_FILE_CLOSE));
    menu->addSeparator();
    menu->addSeparator();  // the recent entries go between the two separators
    if (!child) menu->addAction(Action(ID_FILE_CLOSE));
    menu->addAction(Action(ID_APP_EXIT));
    return menu;
}

void CMainFrame::CreateMenus() {
    auto makeView = [this](bool child) {
        auto* m = new QMenu(QStringLiteral("&View"), this);
        m->addAction(Action(ID_VIEW_TOOLBAR));
        m->addAction(Action(ID_VIEW_STATUS_BAR));
        if (child) {
            m->addSeparator();
            m->addAction(Action(ID_PROPERTIES));
            m->addAction(Action(ID_COMMENTS));
        }
        return m;
    };
    auto makeHelp = [this] {
        auto* m = new QMenu(QStringLiteral("&Help"), this);
        m->addAction(Action(ID_HELP_FINDER));
        m->addSeparator();
        m->addAction(Action(ID_APP_ABOUT));
        return m;
    };
    file128_ = BuildFileMenu(false);
    file129_ = BuildFileMenu(true);
    auto* window = new QMenu(QStringLiteral("&Window"), this);
    window->addAction(Action(ID_WINDOW_NEW));
    window->addAction(Action(ID_WINDOW_CASCADE));
    window->addAction(Action(ID_WINDOW_TILE_HORZ));
    window->addAction(Action(ID_WINDOW_ARRANGE));
    // The framework's Window menu also lists the open windows.
    connect(window, &QMenu::aboutToShow, this, [this, window] { FillWindowList(window); });
    menus128_ = {file128_, makeView(false), makeHelp()};
    menus129_ = {file129_, makeView(true), window, makeHelp()};
    for (QMenu* m : menus128_ + menus129_) {
        // Greyed items name their command in the status bar too.
        connect(m, &QMenu::hovered, this, [this](QAction* a) {
            if (!a->isEnabled() && !a->statusTip().isEmpty()) statusBar()->showMessage(a->statusTip());
        });
    }
    RebuildRecentMenus();
    for (QMenu* m : menus128_) menuBar()->addMenu(m);
}

void CMainFrame::FillRecentItems(QMenu* menu, QAction* before) {
    if (recentFiles_.IsEmpty()) {
        auto* placeholder = new QAction(QStringLiteral("Recent File"), menu);
        placeholder->setData(int{ID_FILE_MRU_FIRST});
        placeholder->setStatusTip(QStringLiteral("Open this document"));
        placeholder->setEnabled(false);
        menu->insertAction(before, placeholder);
        recentActions_.append(placeholder);
        return;
    }
    for (int i = 0; i < recentFiles_.Size(); ++i) {
        auto* item = new QAction(RecentFileList::MenuText(i, recentFiles_.At(i)), menu);
        item->setData(ID_FILE_MRU_FIRST + i);
        item->setStatusTip(QStringLiteral("Open this document"));
        connect(item, &QAction::triggered, this, [this, i] { ExecuteCommand(ID_FILE_MRU_FIRST + i); });
        menu->insertAction(before, item);
        recentActions_.append(item);
    }
}

void CMainFrame::FillWindowList(QMenu* menu) {
    for (QAction* a : menu->actions())
        if (a->isSeparator() || a->data().toInt() == 0) delete a;
    const auto windows = mdiArea_->subWindowList();
    if (windows.isEmpty()) return;
    menu->addSeparator();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* w = windows[i];
        QString text = w->windowTitle();
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* item = menu->addAction(i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(text)
                                              : QStringLiteral("%1 %2").arg(i + 1).arg(text));
        item->setCheckable(true);
        item->setChecked(w == mdiArea_->activeSubWindow());
        item->setStatusTip(QStringLiteral("Activate this window"));
        connect(item, &QAction::triggered, this, [this, w] { mdiArea_->setActiveSubWindow(w); });
    }
}

void CMainFrame::RebuildRecentMenus() {
    for (QAction* a : recentActions_) delete a;
    recentActions_.clear();
    for (QMenu* menu : {file128_, file129_}) {
        if (!menu) continue;
        // The entries sit right after the first separator.
        const auto items = menu->actions();
        for (int i = 0; i + 1 < items.size(); ++i) {
            if (items[i]->isSeparator()) {
                FillRecentItems(menu, items[i + 1]);
                break;
            }
        }
    }
}

QAction* CMainFrame::Action(int id) const {
    auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

CKelraView* CMainFrame::ActiveView() const {
    auto* frame = qobject_cast<CChildFrame*>(mdiArea_ ? mdiArea_->activeSubWindow() : nullptr);
    return frame ? frame->View() : nullptr;
}

CKelraDoc* CMainFrame::ActiveDocument() const {
    auto* frame = qobject_cast<CChildFrame*>(mdiArea_ ? mdiArea_->activeSubWindow() : nullptr);
    return frame ? frame->Document() : nullptr;
}

QSize CMainFrame::DefaultChildSize() const {
    // The platform's default for a new child: three quarters of the area.
    const QSize area = mdiArea_ && mdiArea_->viewport()->width() > 100 ? mdiArea_->viewport()->size() : QSize(800, 600);
    return QSize(area.width() * 3 / 4, area.height() * 3 / 4);
}

void CMainFrame::ShowLockKeys(const std::optional<LockKeys>& keys) {
    // A pane shows its text only while its lock is on; blank where unknown.
    const bool on[] = {keys && keys->caps, keys && keys->num, keys && keys->scroll};
    for (int i = 0; i < lockPanes_.size(); ++i)
        lockPanes_[i]->setText(on[i] ? lockPanes_[i]->objectName() : QString());
}

QString CMainFrame::IdleText() const { return idlePane_ ? idlePane_->text() : QString(); }

bool CMainFrame::RouteToView(int id) {
    CKelraView* view = ActiveView();
    if (!view) return false;
    switch (id) {
        case ID_PROPERTIES: view->OnProperties(); return true;
        case ID_COMMENTS: view->OnComments(); return true;
        case ID_FILE_PRINT: view->OnFilePrint(false); return true;
        case ID_FILE_PRINT_DIRECT: view->OnFilePrint(true); return true;
        case ID_FILE_PRINT_PREVIEW: view->OnFilePrintPreview(&previewPages_); return true;
        default: return false;
    }
}

bool CMainFrame::ExecuteCommand(int id) {
    try {
        if (RouteToView(id)) return true;
        if (id >= ID_FILE_MRU_FIRST && id <= ID_FILE_MRU_LAST) {
            OnOpenRecentFile(id - ID_FILE_MRU_FIRST);
            return true;
        }
        switch (id) {
            case ID_NEW_PERSON: OnNewPerson(); return true;
            case ID_FILE_NEW: OnFileNew(); return true;
            case ID_FILE_OPEN: OnFileOpen(); return true;
            case ID_FILE_SAVE: OnFileSave(); return true;
            case ID_FILE_CLOSE: OnFileClose(); return true;
            case ID_APP_EXIT: close(); return true;
            case ID_WINDOW_NEW: OnWindowNew(); return true;
            case ID_WINDOW_CASCADE: OnWindowCascade(); return true;
            case ID_WINDOW_TILE_HORZ: mdiArea_->tileSubWindows(); return true;
            case ID_WINDOW_ARRANGE: OnWindowArrange(); return true;
            case ID_HELP_FINDER:
            case ID_HELP:
            case ID_DEFAULT_HELP: OnHelp(); return true;
            case ID_CONTEXT_HELP: OnContextHelp(); return true;
            case ID_APP_ABOUT: OnAppAbout(); return true;
            case ID_VIEW_TOOLBAR: toolBar_->setVisible(!toolBar_->isVisible()); return true;
            case ID_VIEW_STATUS_BAR: statusBar()->setVisible(!statusBar()->isVisible()); return true;
            default: return false;
        }
    } catch (const InvalidArgumentError& e) {
        ShowWarning(this, QString::fromUtf8(e.what()));
        return true;
    }
}

void CMainFrame::OnNewPerson() {
    CDia_Person dlg;
    CBiorhythmCalc().CopyProfile(lastEnteredProfile, defaultProfile);
    dlg.profile = &lastEnteredProfile;
    if (dlg.exec() != CDia_Person::Cancel) {
        if (CKelraDoc* doc = OpenPersonWindow(lastEnteredProfile, 0)) {
            const QString text = QString::fromStdString(PersonEntryText(lastEnteredProfile));
            doc->SetPathName(PersonEntryPath(QDir::currentPath(), text), true);
        }
    }
}

void CMainFrame::OnFileNew() { OpenPersonWindow(lastEnteredProfile, 0); }

void CMainFrame::OnFileOpen() {
    const QString path = fileDialog ? fileDialog(false, QString())
                                    : QFileDialog::getOpenFileName(this, QStringLiteral("Open"), QDir::currentPath(),
                                                                   QStringLiteral("All Files (*)"));
    if (!path.isEmpty()) personTemplate_.OpenDocumentFile(path);
}

void CMainFrame::OnFileSave() {
    CKelraDoc* doc = ActiveDocument();
    if (!doc) return;
    QString path = doc->GetPathName();
    // Only an existing, writable file is saved without asking.
    if (path.isEmpty() || !QFileInfo(path).isFile() || !QFileInfo(path).isWritable()) {
        const QString suggested = QDir::current().filePath(doc->GetTitle());
        path = fileDialog ? fileDialog(true, suggested)
                          : QFileDialog::getSaveFileName(this, QStringLiteral("Save As"), suggested,
                                                         QStringLiteral("All Files (*)"));
        if (path.isEmpty()) return;
    }
    // A document has no content: the file is written empty.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        ShowWarning(this, QStringLiteral("Can not open an output file \"%1\".").arg(QFileInfo(path).fileName()));
        return;
    }
    file.close();
    doc->SetModifiedFlag(false);
    doc->SetPathName(path, true);
}

void CMainFrame::OnFileClose() {
    CKelraDoc* doc = ActiveDocument();
    if (!doc) return;
    for (CChildFrame* frame : doc->Frames()) frame->close();
}

void CMainFrame::OnOpenRecentFile(int index) {
    if (index < 0 || index >= recentFiles_.Size()) return;
    const QString path = recentFiles_.At(index);
    if (!personTemplate_.OpenDocumentFile(path)) {
        recentFiles_.Remove(recentFiles_.IndexOf(path));
        RebuildRecentMenus();
        UpdateMenus();
    }
}

void CMainFrame::OnWindowNew() {
    // A further window shows the same person in the same kind of view, so
    // every window of a document shows the person its title names.
    CKelraDoc* doc = ActiveDocument();
    CKelraView* view = ActiveView();
    if (doc && view) OpenPersonWindow(view->profile, view->mode, doc);
}

CKelraDoc* CMainFrame::OpenPersonWindow(const PersonProfile& profile, int mode, CKelraDoc* doc) {
    if (!doc) {
        NextViewScope scope(mode);
        return personTemplate_.OpenNewDocument(profile, true);
    }
    // Only the openers of new documents announce a kind; a further window finds 0.
    NextViewScope scope(0);
    CChildFrame* frame = personTemplate_.CreateNewFrame(*doc, profile, mode);
    frame->show();
    mdiArea_->setActiveSubWindow(frame);
    return doc;
}

void CMainFrame::AddChildFrame(CChildFrame* frame) {
    mdiArea_->addSubWindow(frame);
    connect(frame, &QMdiSubWindow::windowStateChanged, this, &CMainFrame::UpdateCaption);
}

void CMainFrame::OnWindowCascade() {
    // Each window keeps the size a new one gets, stepped by a title bar's
    // height, so every chart stays readable and every title shows.
    const QSize area = mdiArea_->viewport()->size();
    const QSize size = DefaultChildSize();
    const int step = std::max(1, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this));
    int i = 0;
    for (QMdiSubWindow* w : mdiArea_->subWindowList(QMdiArea::StackingOrder)) {
        if (w->isHidden() || w->isMinimized()) continue;
        w->showNormal();
        int offset = i++ * step;
        if (offset + size.height() > area.height() || offset + size.width() > area.width()) offset = i = 0;
        w->setGeometry(offset, offset, size.width(), size.height());
    }
}

void CMainFrame::OnWindowArrange() {
    // Minimised windows line up along the bottom edge.
    int x = 0;
    for (QMdiSubWindow* w : mdiArea_->subWindowList()) {
        if (!w->isMinimized()) continue;
        w->move(x, mdiArea_->viewport()->height() - w->height());
        x += w->width();
    }
}

void CMainFrame::OnHelp() {
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    const QDir dir = exe.absoluteDir();
    for (const QString& ext : {QStringLiteral(".chm"), QStringLiteral(".CHM"), QStringLiteral(".html")}) {
        for (const QString& base : {exe.completeBaseName(), QStringLiteral("Kelra")}) {
            const QString file = dir.filePath(base + ext);
            if (QFileInfo::exists(file)) {
                QDesktopServices::openUrl(QUrl::fromLocalFile(file));
                return;
            }
        }
    }
    ShowWarning(this, QStringLiteral("No help file is installed. Kelra looks for %1 beside the program.")
                          .arg(exe.completeBaseName() + QStringLiteral(".chm")));
}

void CMainFrame::OnSaveChartAs() {
    CKelraView* view = ActiveView();
    CKelraDoc* doc = ActiveDocument();
    if (!view || !view->chart || view->mode != 0 || !doc) return;
    QString name = doc->GetTitle();
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    const QString suggested = QDir::current().filePath(name + QStringLiteral(".png"));
    const QStringList filters{QStringLiteral("PNG image (*.png)"), QStringLiteral("SVG image (*.svg)"),
                              QStringLiteral("PDF document (*.pdf)")};
    QString filter = filters.first();
    QString path = fileDialog ? fileDialog(true, suggested)
                              : QFileDialog::getSaveFileName(this, QStringLiteral("Save Chart As"), suggested,
                                                             filters.join(QStringLiteral(";;")), &filter);
    if (path.isEmpty()) return;
    // A name typed without a known extension takes the chosen kind's.
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("svg") && suffix != QLatin1String("pdf"))
        path += QLatin1Char('.') + filter.section(QStringLiteral("*."), 1).chopped(1);
    const QString error = view->SaveChartPicture(path);
    if (!error.isEmpty()) ShowWarning(this, error);
}

void CMainFrame::OnContextHelp() {
    QWhatsThis::enterWhatsThisMode();
    statusBar()->showMessage(kContextHelpText);
}

void CMainFrame::OnAppAbout() {
    CAboutDlg dlg;
    dlg.exec();
}

void CMainFrame::AddToRecentFileList(const QString& path) {
    recentFiles_.Add(path);
    RebuildRecentMenus();
    UpdateMenus();
}

void CMainFrame::AddRecentPerson(const QString& text) {
    AddToRecentFileList(PersonEntryPath(QDir::currentPath(), text));
}

QString CMainFrame::DocumentTitle(const CKelraView& view) const {
    auto* frame = qobject_cast<CChildFrame*>(view.parentWidget());
    return frame && frame->Document() ? frame->Document()->GetTitle() : QString::fromStdString(view.profile.name);
}

bool CMainFrame::OpenCommentsWindow(const PersonProfile& source, const QString& title) {
    CKelraDoc* doc = OpenPersonWindow(source, 1);
    if (doc) doc->SetTitle(title);
    return doc != nullptr;
}

void CMainFrame::UpdateMenus() {
    bool child = false;
    if (mdiArea_)
        for (QMdiSubWindow* w : mdiArea_->subWindowList()) child = child || !w->isHidden();
    if (child != childMenus_) {
        childMenus_ = child;
        menuBar()->clear();
        for (QMenu* m : child ? menus129_ : menus128_) menuBar()->addMenu(m);
    }
    const bool active = ActiveView() != nullptr;
    for (int id : {ID_PROPERTIES, ID_COMMENTS, ID_FILE_PRINT, ID_FILE_PRINT_DIRECT, ID_FILE_PRINT_PREVIEW,
                   ID_FILE_SAVE, ID_FILE_CLOSE, ID_WINDOW_NEW})
        if (QAction* a = Action(id)) a->setEnabled(active);
    if (saveChart_) saveChart_->setEnabled(active && ActiveView()->mode == 0);
    for (int id : {ID_WINDOW_CASCADE, ID_WINDOW_TILE_HORZ, ID_WINDOW_ARRANGE})
        if (QAction* a = Action(id)) a->setEnabled(child);
}

QString CMainFrame::Caption() const {
    auto* frame = qobject_cast<CChildFrame*>(mdiArea_ ? mdiArea_->activeSubWindow() : nullptr);
    if (!frame || !frame->Document()) return QStringLiteral("Kelra");
    const QString title = frame->Document()->GetTitle();
    return frame->isMaximized() ? QStringLiteral("Kelra - [%1]").arg(title) : QStringLiteral("Kelra - %1").arg(title);
}

void CMainFrame::UpdateCaption() {
    const QString caption = Caption();
    if (windowTitle() != caption) setWindowTitle(caption);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // Every window closes (chart windows record their person and write their
    // files) before the settings are written.
    for (QMdiSubWindow* w : mdiArea_->subWindowList()) w->close();
    event->accept();
}

bool CMainFrame::event(QEvent* event) {
    // Sent to every top-level window when context help mode ends.
    if (event->type() == QEvent::LeaveWhatsThisMode) statusBar()->clearMessage();
    return QMainWindow::event(event);
}

void CMainFrame::changeEvent(QEvent* event) {
    // A maximised child decorates the caption itself; the caption always
    // stays the one of the active window.
    if (event->type() == QEvent::WindowTitleChange) UpdateCaption();
    QMainWindow::changeEvent(event);
}

}  // namespace kelra
