#include "DialogTestSupport.h"

#include <QApplication>
#include <QTest>

#include "UiHelpers.h"

namespace kelra::test {

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

void Retype(QWidget* edit, const QString& text) {
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

}  // namespace kelra::test
