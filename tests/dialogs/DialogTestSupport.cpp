#include "DialogTestSupport.h"

#include <QApplication>
#include <QTest>

#include "UiHelpers.h"

namespace kelra::test {

void EnsureApp() {
    if (qApp) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "dialogs_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

QStringList TabOrder(QWidget* dialog, const QString& first) {
    QStringList names;
    QWidget* start = dialog->findChild<QWidget*>(first);
    QWidget* w = start;
    do {
        bool numeric = false;
        w->objectName().toInt(&numeric);
        if (numeric && w->isVisibleTo(dialog) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
            names << w->objectName();
        w = w->nextInFocusChain();
    } while (w && w != start);
    return names;
}

WarningLog::WarningLog() {
    SetWarningHook([this](const QString& text) { texts << text; });
}
WarningLog::~WarningLog() { SetWarningHook(nullptr); }

void Retype(QWidget* edit, const QString& text) {
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

}  // namespace kelra::test
