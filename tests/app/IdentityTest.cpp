#include <QApplication>
#include <QLabel>

#include "AboutDlg.h"
#include "AppTestSupport.h"

using kelra::test::AppTest;

namespace {

QStringList LabelTexts(const QWidget& w) {
    QStringList out;
    for (const QLabel* l : w.findChildren<QLabel*>())
        if (!l->text().isEmpty()) out << l->text();
    return out;
}

}  // namespace

// The installed desktop entry, the settings store and the About box all meet the same names.
TEST_F(AppTest, StartNamesTheProgramItsDesktopEntryAndTheAboutBoxItsVersion) {
    Start();
    EXPECT_EQ(QCoreApplication::organizationName().toStdString(), "Telmark");
    EXPECT_EQ(QCoreApplication::applicationName().toStdString(), "Kelra");
    EXPECT_EQ(QCoreApplication::applicationVersion().toStdString(), "1.0.0.1");
    EXPECT_EQ(QGuiApplication::desktopFileName().toStdString(), "com.telmark.Kelra");

    kelra::CAboutDlg about;
    EXPECT_EQ(about.windowTitle().toStdString(), "About Kelra");
    EXPECT_TRUE(LabelTexts(about).contains(QStringLiteral("Kelra Version 1.0")))
        << LabelTexts(about).join(QLatin1Char('|')).toStdString();
}
