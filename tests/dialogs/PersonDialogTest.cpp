#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>
#include <QTest>

#include <gtest/gtest.h>

#include "CDia_Person.h"
#include "DatePicker.h"
#include "DialogTestSupport.h"
#include "DialogUnits.h"

namespace kelra {
namespace {

using test::Control;

class PersonDialogTest : public test::DialogTest {
protected:
    void SetUp() override {
        profile.name = "Newborn";
        profile.showPhysical = true;
        profile.dayOfLife = 17;
        profile.birthDate = DateTime(2026, 3, 14, 8, 15, 42);
        profile.startDate = DateTime(2026, 3, 1, 12, 0, 0);
        profile.endDate = DateTime(2026, 4, 1, 12, 0, 0);
        dialog.profile = &profile;
        dialog.show();
    }

    void SetRange(QDate start, QDate end) {
        Control<DatePicker>(&dialog, 1001)->setDate(start);
        Control<DatePicker>(&dialog, 1002)->setDate(end);
    }
    void PressOk() { QTest::mouseClick(Control<QPushButton>(&dialog, 1), Qt::LeftButton); }

    PersonProfile profile;
    CDia_Person dialog;
    test::WarningWatcher warnings;
};

TEST_F(PersonDialogTest, LaidOutFromDialogUnitsWithNameFocused) {
    const DialogUnits du(DialogFont());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Person"));
    EXPECT_EQ(dialog.size(), du.Size(265, 121));
    EXPECT_EQ(Control<QLineEdit>(&dialog, 1000)->geometry(), du.Rect(21, 31, 162, 14));
    EXPECT_EQ(Control<DatePicker>(&dialog, 1002)->geometry(), du.Rect(167, 67, 59, 15));
    EXPECT_EQ(Control<QPushButton>(&dialog, 2)->geometry(), du.Rect(208, 100, 50, 14));
    EXPECT_TRUE(Control<QPushButton>(&dialog, 1)->isDefault());
    EXPECT_EQ(test::TabOrder(&dialog, QStringLiteral("1000")),
              QStringList({"1000", "1003", "1001", "1002", "1", "2"}));
    EXPECT_EQ(dialog.focusWidget(), Control<QLineEdit>(&dialog, 1000));

    EXPECT_EQ(Control<QLineEdit>(&dialog, 1000)->text(), QStringLiteral("Newborn"));
    EXPECT_EQ(Control<DatePicker>(&dialog, 1003)->date(), QDate(2026, 3, 14));
    EXPECT_EQ(Control<DatePicker>(&dialog, 1001)->date(), QDate(2026, 3, 1));
    EXPECT_EQ(Control<DatePicker>(&dialog, 1002)->date(), QDate(2026, 4, 1));
}

TEST_F(PersonDialogTest, RangeThatDoesNotEndAfterItsStartIsRefused) {
    const PersonProfile before = profile;
    for (const auto& [start, end] : {std::pair{QDate(2026, 3, 1), QDate(2026, 3, 1)},
                                     std::pair{QDate(2026, 3, 2), QDate(2026, 3, 1)}}) {
        test::Retype(Control<QLineEdit>(&dialog, 1000), QStringLiteral("Changed"));
        Control<DatePicker>(&dialog, 1003)->setDate(QDate(1990, 1, 1));
        SetRange(start, end);
        PressOk();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(profile.name, before.name);
        EXPECT_EQ(profile.birthDate, before.birthDate);
        EXPECT_EQ(profile.startDate, before.startDate);
        EXPECT_EQ(profile.endDate, before.endDate);
    }
    EXPECT_EQ(warnings.texts, QStringList(2, QStringLiteral("End date must be great then Start date!")));

    // Cancel afterwards leaves the profile exactly as handed in.
    QTest::mouseClick(Control<QPushButton>(&dialog, 2), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 2);
    EXPECT_EQ(profile.name, before.name);
    EXPECT_EQ(profile.birthDate, before.birthDate);
}

TEST_F(PersonDialogTest, OkWritesTheFourFieldsOnly) {
    test::Retype(Control<QLineEdit>(&dialog, 1000), QStringLiteral("  Ann, Lee  "));
    Control<DatePicker>(&dialog, 1003)->setDate(QDate(1980, 7, 9));
    SetRange(QDate(2026, 3, 1), QDate(2026, 3, 2));
    PressOk();
    EXPECT_TRUE(warnings.texts.isEmpty());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(dialog.nameText, QStringLiteral("  Ann, Lee  "));
    EXPECT_EQ(profile.name, "  Ann, Lee  ");
    EXPECT_EQ(profile.birthDate, DateTime(1980, 7, 9, 8, 15, 42));  // time of day kept
    EXPECT_EQ(profile.startDate, DateTime(2026, 3, 1, 12, 0, 0));
    EXPECT_EQ(profile.endDate, DateTime(2026, 3, 2, 12, 0, 0));
    EXPECT_TRUE(profile.showPhysical);
    EXPECT_EQ(profile.dayOfLife, 17);
}

TEST_F(PersonDialogTest, EmptyNameIsAccepted) {
    test::Retype(Control<QLineEdit>(&dialog, 1000), QString());
    PressOk();
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(profile.name, "");
}

TEST_F(PersonDialogTest, EscapeAndCloseBoxGiveCancel) {
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 2);

    dialog.show();
    dialog.close();
    EXPECT_EQ(dialog.result(), 2);
    EXPECT_EQ(profile.name, "Newborn");
}

TEST_F(PersonDialogTest, ExecReturnsOneForOkAndTwoForCancel) {
    dialog.hide();
    for (const auto& [button, expected] : {std::pair{2, 2}, std::pair{1, 1}}) {
        int result = 0;
        test::WithModal([&] { result = dialog.exec(); },
                        [id = button](QDialog* dlg) { QTest::mouseClick(Control<QPushButton>(dlg, id), Qt::LeftButton); });
        EXPECT_EQ(result, expected);
    }
}

TEST_F(PersonDialogTest, RunningAgainRefillsFromTheProfile) {
    test::Retype(Control<QLineEdit>(&dialog, 1000), QStringLiteral("Typed"));
    dialog.reject();
    profile.name = "Other";
    dialog.show();
    EXPECT_EQ(Control<QLineEdit>(&dialog, 1000)->text(), QStringLiteral("Other"));
}

// Made without a parent, the dialog comes up over the window it was opened
// from, wherever that window stands, and stays on its screen.
TEST(PersonDialogPlace, CentredOverTheActiveWindow) {
    QMainWindow owner;
    const QRect screen = owner.screen()->availableGeometry();
    for (const QPoint topLeft : {QPoint(40, 30), QPoint(screen.width() - 500, screen.height() - 300)}) {
        owner.setGeometry(QRect(topLeft, QSize(700, 500)));
        owner.show();
        owner.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&owner));
        CDia_Person dialog;
        dialog.show();
        const QRect placed = dialog.frameGeometry();
        const QPoint ownerCentre = owner.frameGeometry().center();
        if (screen.contains(QRect(ownerCentre - QPoint(placed.width() / 2, placed.height() / 2), placed.size()))) {
            EXPECT_LE((placed.center() - ownerCentre).manhattanLength(), 1);
        }
        EXPECT_TRUE(screen.contains(placed)) << placed.x() << "," << placed.y();
        dialog.reject();
    }
}

}  // namespace
}  // namespace kelra
