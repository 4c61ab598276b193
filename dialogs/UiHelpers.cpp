#include "UiHelpers.h"

#include <QApplication>
#include <QCursor>
#include <QMessageBox>

namespace kelra {
namespace {

WarningHook& Hook() {
    static WarningHook hook;
    return hook;
}
int gActive = 0;
int gShown = 0;

}  // namespace

void ShowWarning(QWidget* parent, const QString& text) {
    if (Hook()) {
        Hook()(text);
        return;
    }
    QMessageBox::warning(parent, QStringLiteral("Kelra"), text, QMessageBox::Ok);
}

void SetWarningHook(WarningHook hook) { Hook() = std::move(hook); }

WaitCursor::WaitCursor() {
    ++gActive;
    ++gShown;
    if (qApp) QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

WaitCursor::~WaitCursor() {
    --gActive;
    if (qApp) QApplication::restoreOverrideCursor();
}

int WaitCursor::Active() { return gActive; }
int WaitCursor::Shown() { return gShown; }

}  // namespace kelra
