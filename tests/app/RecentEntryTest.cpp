#include <gtest/gtest.h>

#include <QFile>
#include <QRect>
#include <QSettings>
#include <QTemporaryDir>

#include "RecentEntry.h"
#include "RecentFileList.h"

using namespace kelra;

TEST(RecentEntry, ParsesTheTextAfterTheLastSeparator) {
    auto e = ParsePersonEntry(QStringLiteral("/home/u/Newborn, 06 Dec 2026"));
    ASSERT_TRUE(e);
    EXPECT_EQ(e->name, QStringLiteral("Newborn"));
    EXPECT_EQ(e->birthDate, DateTime(2026, 12, 6, 0, 0, 0));

    e = ParsePersonEntry(QStringLiteral("C:\\work\\ Ann Lee ,  06 Dec 2026 "));
    ASSERT_TRUE(e);
    EXPECT_EQ(e->name, QStringLiteral("Ann Lee"));

    e = ParsePersonEntry(QStringLiteral("/d/a\\b/, 01 Jan 1601"));  // empty name after the last separator
    ASSERT_TRUE(e);
    EXPECT_EQ(e->name, QString());
    EXPECT_EQ(e->birthDate, DateTime(1601, 1, 1));

    e = ParsePersonEntry(QStringLiteral("/d/Bob, Dec 31, 9999 18:30"));
    ASSERT_TRUE(e);
    EXPECT_EQ(e->birthDate, DateTime(9999, 12, 31, 18, 30, 0));
}

TEST(RecentEntry, NamesWithCommasComeBackWhole) {
    auto e = ParsePersonEntry(QStringLiteral("/d/Smith, John, 06 Dec 2026"));
    ASSERT_TRUE(e);
    EXPECT_EQ(e->name, QStringLiteral("Smith, John"));
    EXPECT_EQ(e->birthDate, DateTime(2026, 12, 6));
}

TEST(RecentEntry, RefusesWhatIsNoPerson) {
    for (const char* path : {"Newborn, 06 Dec 2026", "/d/Newborn", "/d/Newborn, yesterday", "/d/", "/d/a, 31 Feb 2026",
                             "/d/a, 06 Dec 10000", "/d/a,"}) {
        EXPECT_FALSE(ParsePersonEntry(QString::fromUtf8(path))) << path;
    }
    // A huge entry full of commas is refused quickly.
    EXPECT_FALSE(ParsePersonEntry(QStringLiteral("/d/") + QString(1 << 20, QLatin1Char(','))));
}

TEST(RecentFileList, MostRecentFirstCaseInsensitiveAndAtMostFifteen) {
    RecentFileList list;
    list.Add(QStringLiteral("/d/A, 01 Jan 2000"));
    list.Add(QStringLiteral("/d/B, 01 Jan 2000"));
    list.Add(QStringLiteral("/D/a, 01 JAN 2000"));
    ASSERT_EQ(list.Size(), 2);
    EXPECT_EQ(list.At(0), QStringLiteral("/D/a, 01 JAN 2000"));
    for (int i = 0; i < 20; ++i) list.Add(QStringLiteral("/d/P%1, 01 Jan 2000").arg(i));
    ASSERT_EQ(list.Size(), 15);
    EXPECT_EQ(list.At(0), QStringLiteral("/d/P19, 01 Jan 2000"));
    EXPECT_EQ(list.At(14), QStringLiteral("/d/P5, 01 Jan 2000"));
}

TEST(RecentFileList, LoadsOnlyTextEntriesInOrderFromABadStore) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("kelra.ini"));
    {
        QSettings s(file, QSettings::IniFormat);
        s.beginGroup(QStringLiteral("Recent File List"));
        s.setValue(QStringLiteral("File1"), QStringLiteral("/d/One, 01 Jan 2000"));
        s.setValue(QStringLiteral("File3"), QStringLiteral("/d/Three, 01 Jan 2000"));  // File2 missing
        s.setValue(QStringLiteral("File4"), QRect(1, 2, 3, 4));
        s.setValue(QStringLiteral("File5"), QStringLiteral("/d/one, 01 jan 2000"));  // a duplicate
        s.setValue(QStringLiteral("File6"), QString(1 << 20, QLatin1Char('x')));      // a megabyte
        s.setValue(QStringLiteral("File7"), QStringLiteral("/d/Seven, 01 Jan 2000"));
        for (int i = 16; i < 3000; ++i) s.setValue(QStringLiteral("File%1").arg(i), QStringLiteral("/d/X%1").arg(i));
        s.endGroup();
    }
    {
        // Bytes that are no UTF-8 at all, written past the settings class.
        QFile raw(file);
        ASSERT_TRUE(raw.open(QIODevice::Append));
        raw.write("File8=\"/d/\xff\xfe\xc3, 01 Jan 2000\"\nFile9=/d/Nine, 01 Jan 2000\n");
    }
    QSettings s(file, QSettings::IniFormat);
    RecentFileList list;
    list.Load(s);
    ASSERT_EQ(list.Size(), 5);
    EXPECT_EQ(list.Entries().mid(0, 3),
              (QStringList{QStringLiteral("/d/One, 01 Jan 2000"), QStringLiteral("/d/Three, 01 Jan 2000"),
                           QStringLiteral("/d/Seven, 01 Jan 2000")}));
    EXPECT_TRUE(list.At(3).endsWith(QStringLiteral("01 Jan 2000")));  // the bytes that are no UTF-8
    EXPECT_EQ(list.At(4), QStringLiteral("/d/Nine, 01 Jan 2000"));     // written without quotes
    list.Save(s);
    s.sync();
    QSettings again(file, QSettings::IniFormat);
    again.beginGroup(QStringLiteral("Recent File List"));
    EXPECT_EQ(again.childKeys().size(), 5);
    EXPECT_EQ(again.value(QStringLiteral("File2")).toString(), QStringLiteral("/d/Three, 01 Jan 2000"));
}

TEST(RecentFileList, MenuTextShowsThePersonNotTheFolder) {
    EXPECT_EQ(RecentFileList::MenuText(0, QStringLiteral("/home/u/NEWBORN, 06 Dec 2026")),
              QStringLiteral("&1 NEWBORN, 06 Dec 2026"));
    EXPECT_EQ(RecentFileList::MenuText(11, QStringLiteral("/h/Tom & Jerry, 06 Dec 2026")),
              QStringLiteral("12 Tom && Jerry, 06 Dec 2026"));
}
