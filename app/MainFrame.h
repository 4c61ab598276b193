#pragma once
#include <functional>
#include <map>

#include <QIcon>
#include <QList>
#include <QMainWindow>

#include "PersonProfile.h"
#include "ViewServices.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace kelra {

class CDocTemplate;
class CKelraDoc;
class CKelraView;
class RecentFileList;

// The main window: menus, toolbar, status bar and the person windows.
class CMainFrame : public QMainWindow, public ViewServices {
public:
    CMainFrame(RecentFileList* recentFiles, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Toolbar and status bar, the profile for new windows; 0, or -1 on failure.
    int OnCreate();

    PersonProfile defaultProfile;
    PersonProfile lastEnteredProfile;
    CDocTemplate* personTemplate = nullptr;
    int* previewPages = nullptr;

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

    void AddToRecentFileList(const QString& path);
    RecentFileList& RecentFiles() { return *recentFiles_; }

    QMdiArea* MdiArea() const { return mdiArea_; }
    CKelraView* ActiveView() const;
    CKelraDoc* ActiveDocument() const;
    QSize DefaultChildSize() const;
    QIcon DocumentIcon() const { return documentIcon_; }
    QToolBar* ToolBar() const { return toolBar_; }
    QString IdleText() const;

    // Caption, menus and command states after a change of the active window.
    void UpdateCaption();
    void UpdateMenus();
    void RebuildRecentMenus();

    // File dialogs; tests replace them. save: true for Save As.
    std::function<QString(bool save, const QString& suggested)> fileDialog;

    // ViewServices
    bool OpenCommentsWindow(const PersonProfile& source, const QString& title) override;
    void AddRecentPerson(const QString& text) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

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

    RecentFileList* recentFiles_;
    QMdiArea* mdiArea_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* idlePane_ = nullptr;
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
