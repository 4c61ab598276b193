#include "QtTestEnv.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include "UiHelpers.h"

namespace kelra::test {
namespace {

// Set while WithModal waits for its dialog.
std::function<void(QDialog*)>* gExpected = nullptr;

class DialogGuard : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dlg = event->type() == QEvent::Show ? qobject_cast<QDialog*>(watched) : nullptr;
        if (dlg && dlg->isWindow() && dlg->isModal()) {
            if (auto* handler = std::exchange(gExpected, nullptr)) {
                // Handled once the dialog's own loop runs.
                QTimer::singleShot(0, dlg, [dlg, handler] { (*handler)(dlg); });
            } else {
                ADD_FAILURE() << "an unexpected dialog came up: \"" << dlg->windowTitle().toStdString() << '"';
                QTimer::singleShot(0, dlg, &QDialog::reject);
            }
        }
        return false;
    }
};

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "kelra_tests";
        static char* argv[] = {name, nullptr};
        app_ = new QApplication(argc, argv);
        app_->installEventFilter(&guard_);
    }
    void TearDown() override {
        app_->removeEventFilter(&guard_);
        delete app_;
    }

private:
    QApplication* app_ = nullptr;
    DialogGuard guard_;
};

[[maybe_unused]] auto* const kEnv = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

WarningWatcher::WarningWatcher() {
    SetWarningHook([this](const QString& text) { texts.append(text); });
}

WarningWatcher::~WarningWatcher() { SetWarningHook(nullptr); }

void WithModal(const std::function<void()>& action, const std::function<void(QDialog*)>& onDialog) {
    bool handled = false;
    std::function<void(QDialog*)> handler = [&](QDialog* dlg) {
        handled = true;
        onDialog(dlg);
    };
    gExpected = &handler;
    action();
    gExpected = nullptr;
    EXPECT_TRUE(handled) << "no dialog came up";
}

}  // namespace kelra::test
