#include "KelraApp.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSettings>

#include "Icons.h"
#include "KelraConfig.h"
#include "KelraDoc.h"
#include "MainFrame.h"

namespace kelra {
namespace {

// Reads a small whole number whatever the store holds.
int ReadPreviewPages(QSettings& settings) {
    bool ok = false;
    const int pages = settings.value(QStringLiteral("Settings/PreviewPages"), 1).toInt(&ok);
    return ok && (pages == 1 || pages == 2) ? pages : 1;
}

}  // namespace

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

    {
        QSettings settings;
        recentFiles_.Load(settings);
        previewPages = ReadPreviewPages(settings);
    }

    template_ = std::make_unique<CDocTemplate>();
    personTemplate = template_.get();

    mainFrame_ = std::make_unique<CMainFrame>(&recentFiles_);
    template_->SetMainFrame(mainFrame_.get());
    mainFrame_->personTemplate = personTemplate;
    mainFrame_->previewPages = &previewPages;
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
    QSettings settings;
    recentFiles_.Save(settings);
    settings.setValue(QStringLiteral("Settings/PreviewPages"), previewPages);
    settings.sync();
    return settings.status() == QSettings::NoError ? 0 : 1;
}

}  // namespace kelra
