#pragma once
#include <QDialog>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

#include "QtTestEnv.h"

namespace kelra::test {

class DialogTest : public ::testing::Test {};

// The object names of the focusable controls in tab order, from `first` on.
QStringList TabOrder(QWidget* dialog, const QString& first);

template <class W>
W* Control(QWidget* dialog, int id) {
    W* widget = dialog->findChild<W*>(QString::number(id));
    EXPECT_NE(widget, nullptr) << "control " << id;
    return widget;
}

// Replaces an edit's text by typing, as a user would.
void Retype(QWidget* edit, const QString& text);

}  // namespace kelra::test
