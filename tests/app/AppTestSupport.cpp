#include "AppTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QSettings>
#include <QTimer>

#include "MainFrame.h"
#include "UiHelpers.h"

namespace kelra::test {

AppTest::AppTest() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir_.path());
    oldCwd_ = QDir::currentPath();
    QDir::setCurrent(workDir_.path());
    SetWarningHook([this](const QString& text) { warnings_.append(text); });
}

AppTest::~AppTest() {
    if (app_) Exit();
    SetWarningHook(nullptr);
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

void AppTest::WithModal(const std::function<void()>& action, const std::function<void(QDialog*)>& onDialog) {
    bool handled = false;
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [&handled, &onDialog, poll] {
        if (auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            handled = true;
            onDialog(dlg);
            return;
        }
        QTimer::singleShot(5, *poll);
    };
    QTimer::singleShot(0, *poll);
    action();
    EXPECT_TRUE(handled) << "no dialog came up";
    *poll = [] {};
}

}  // namespace kelra::test
