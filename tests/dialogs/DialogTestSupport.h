#pragma once
#include <QDialog>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

namespace kelra::test {

// The one application object of the test binary (offscreen).
void EnsureApp();

// Base of every fixture here: the application exists before any member widget.
class DialogTest : public ::testing::Test {
protected:
    DialogTest() { EnsureApp(); }
};

// The object names of the focusable controls in tab order, from `first` on.
QStringList TabOrder(QWidget* dialog, const QString& first);

// Collects the warnings shown while it lives.
class WarningLog {
public:
    WarningLog();
    ~WarningLog();
    QStringList texts;
};

template <class W>
W* Control(QWidget* dialog, int id) {
    W* widget = dialog->findChild<W*>(QString::number(id));
    EXPECT_NE(widget, nullptr) << "control " << id;
    return widget;
}

// Replaces an edit's text by typing, as a user would.
void Retype(QWidget* edit, const QString& text);

}  // namespace kelra::test
