// Opens two persons and a comments window in a fresh Kelra and saves a
// picture of the main window: kelra_screenshot OUT.png [about]
// With "about", the picture is of the About box instead.
#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include "AboutDlg.h"
#include "CKelraView.h"
#include "CommandIds.h"
#include "KelraApp.h"
#include "KelraDoc.h"
#include "MainFrame.h"
#include "RecentEntry.h"

using namespace kelra;

namespace {

void OpenPerson(CMainFrame* frame, const char* name, const DateTime& birth) {
    frame->lastEnteredProfile.name = name;
    frame->lastEnteredProfile.birthDate = birth;
    if (CKelraDoc* doc = frame->OpenPersonWindow(frame->lastEnteredProfile, 0))
        doc->SetPathName(PersonEntryPath(QDir::currentPath(),
                                         QString::fromStdString(PersonEntryText(frame->lastEnteredProfile))));
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("kelra.png");
    QTemporaryDir store;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());
    if (argc > 2 && QString::fromLocal8Bit(argv[2]) == QStringLiteral("about")) {
        CAboutDlg about;
        about.show();
        QApplication::processEvents();
        return about.grab().save(out) ? 0 : 1;
    }
    CKelraApp app;
    if (!app.InitInstance()) return 1;
    CMainFrame* frame = app.MainFrame();
    frame->resize(1280, 860);
    OpenPerson(frame, "Ada Lovelace", DateTime(1815, 12, 10, 12));
    OpenPerson(frame, "Newborn", frame->defaultProfile.birthDate);
    frame->MdiArea()->setActiveSubWindow(frame->MdiArea()->subWindowList().first());
    frame->ExecuteCommand(ID_COMMENTS);
    frame->MdiArea()->tileSubWindows();
    int result = 0;
    QTimer::singleShot(300, [&] {
        result = frame->grab().save(out) ? 0 : 1;
        QApplication::quit();
    });
    QApplication::exec();
    return result;
}
