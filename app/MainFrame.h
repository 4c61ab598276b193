#pragma once
#include <functional>
#include <map>
#include <optional>

#include <QIcon>
#include <QList>
#include <QMainWindow>

#include "LockKeys.h"
#include "PersonProfile.h"
#include "ViewServices.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace kelra {

class CChildFrame;
class CDocTemplate;
class CKelraDoc;
class CKelraView;
class RecentFileList;

// The main window: menus, toolbar, status bar and the person windows.
class CMainFrame : public QMainWindow, public ViewServices {
    Q_OBJECT
public:
    // The template makes the windows that go into this frame; the recent
    // list and the preview page count belong to the application.
    CMainFrame(CDocTemplate& personTemplate, RecentFileList& recentFiles, int& previewPages,
               QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Toolbar and status bar, the profile for new windows; 0, or -1 on failure.
    int OnCreate();

    PersonProfile defaultProfile;
    PersonProfile lastEnteredProfile;

    // The one way a person window opens: a view of mode (0 chart, 1
    // comments) on a copy of profile, in a new untitled document, or, with
    // doc, as a further window of that document. Returns the document.
    CKelraDoc* OpenPersonWindow(const PersonProfile& profile, int mode, CKelraDoc* doc = nullptr);
    // A window the template made goes into the area.
    void AddChildFrame(CChildFrame* frame);
    CDocTemplate& Template() const { return personTemplate_; }

    // Commands go to the active view first, then to the frame.
    bool ExecuteCommand(int id);
    QAction* Action(int id) const;

    void OnNewPerson();
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileClose();
    void OnOpenRecentFile(int index);
    void OnWindowNew();
    void OnWindowCascade();
    void OnWindowArrange();
    void OnHelp();
    void OnContextHelp();
    void OnAppAbout();
    // The active chart window's picture to a file the user names.
    void OnSaveChartAs();
    QAction* SaveChartAction() const { return saveChart_; }

    void AddToRecentFileList(const QString& path);
    RecentFileList& RecentFiles() { return recentFiles_; }

    QMdiArea* MdiArea() const { return mdiArea_; }
    CKelraView* ActiveView() const;
    CKelraDoc* ActiveDocument() const;
    QSize DefaultChildSize() const;
    QIcon DocumentIcon() const { return documentIcon_; }
    QToolBar* ToolBar() const { return toolBar_; }
    QString IdleText() const;
    // The "CAP", "NUM" and "SCRL" panes for the given lock states.
    void ShowLockKeys(const std::optional<LockKeys>& keys);

    // The caption for the active window: "Kelra", "Kelra - TITLE" or,
    // maximised, "Kelra - [TITLE]".
    QString Caption() const;

public slots:
    // Caption, menus and command states after a change of the active window.
    void UpdateCaption();
    void UpdateMenus();
    void RebuildRecentMenus();

public:

    // File dialogs; tests replace them. save: true for Save As.
    std::function<QString(bool save, const QString& suggested)> fileDialog;

    // ViewServices
    bool OpenCommentsWindow(const PersonProfile& source, const QString& title) override;
    void AddRecentPerson(const QString& text) override;
    QString DocumentTitle(const CKelraView& view) const override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Every action routes its number through ExecuteCommand; one without a
    // handler is present and inactive.
    QAction* MakeAction(int id, const QString& text, const QString& prompt, bool handled = true);
    void CreateActions();
    void CreateMenus();
    QMenu* BuildFileMenu(bool child);
    void FillRecentItems(QMenu* menu, QAction* before);
    void FillWindowList(QMenu* menu);
    bool RouteToView(int id);

    CDocTemplate& personTemplate_;
    RecentFileList& recentFiles_;
    int& previewPages_;
    QMdiArea* mdiArea_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* idlePane_ = nullptr;
    QAction* saveChart_ = nullptr;
    QList<QLabel*> lockPanes_;
    std::map<int, QAction*> actions_;
    QList<QMenu*> menus128_;
    QList<QMenu*> menus129_;
    QMenu* file128_ = nullptr;
    QMenu* file129_ = nullptr;
    QList<QAction*> recentActions_;
    QIcon documentIcon_;
    bool childMenus_ = false;
};

}  // namespace kelra
