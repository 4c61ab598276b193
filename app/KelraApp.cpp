#include "KelraApp.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

#include "Icons.h"
#include "KelraConfig.h"
#include "KelraDoc.h"
#include "MainFrame.h"
#include "SettingsStore.h"
#include "UiHelpers.h"

namespace kelra {

CKelraApp::CKelraApp() = default;

CKelraApp::~CKelraApp() {
    // Windows go before the template whose documents they belong to.
    mainFrame_.reset();
    template_.reset();
}

bool CKelraApp::InitInstance() {
    QCoreApplication::setOrganizationName(QStringLiteral("Telmark"));
    QCoreApplication::setApplicationName(QStringLiteral("Kelra"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KELRA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(KELRA_APP_ID));
    QApplication::setWindowIcon(AppIcon());

    // An unreadable store is no reason not to start; it is rewritten at exit.
    const StoreResult read = LoadSettings(recentFiles_, previewPages);
    if (!read.ok)
        std::fprintf(stderr, "Kelra: the settings file \"%s\" could not be read (%s); the recent persons start empty.\n",
                     qUtf8Printable(read.fileName), qUtf8Printable(read.reason));

    template_ = std::make_unique<CDocTemplate>();
    personTemplate = template_.get();

    mainFrame_ = std::make_unique<CMainFrame>(*template_, recentFiles_, previewPages);
    if (mainFrame_->OnCreate() != 0) return false;

    // The command line is read and nothing is done with it.
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    parser.parse(QCoreApplication::arguments());

    mainFrame_->show();
    mainFrame_->repaint();
    return true;
}

int CKelraApp::ExitInstance() {
    const StoreResult written = SaveSettings(recentFiles_, previewPages);
    if (written.ok) return 0;
    ShowWarning(nullptr, QStringLiteral("The recent persons could not be saved in the settings file \"%1\": %2.")
                             .arg(written.fileName, written.reason));
    return 1;
}

}  // namespace kelra
