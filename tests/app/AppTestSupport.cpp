#include "AppTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QSettings>

#include "MainFrame.h"

namespace kelra::test {

AppTest::AppTest() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir_.path());
    oldCwd_ = QDir::currentPath();
    QDir::setCurrent(workDir_.path());
}

AppTest::~AppTest() {
    if (app_) Exit();
    QDir::setCurrent(oldCwd_);
}

QString AppTest::SettingsPath() const { return settingsDir_.filePath(QStringLiteral("Telmark/Kelra.conf")); }

void AppTest::Start() {
    app_ = std::make_unique<CKelraApp>();
    ASSERT_TRUE(app_->InitInstance());
    QApplication::processEvents();
}

void AppTest::Exit() {
    app_->MainFrame()->close();
    QApplication::processEvents();
    app_->ExitInstance();
    app_.reset();
    QApplication::processEvents();
}

}  // namespace kelra::test
