// Faults a user can meet: a full disk, a read-only working directory and a
// settings store that cannot be written. Real faults where the machine
// allows (a small tmpfs needs root), injected ones otherwise.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "AppTestSupport.h"
#include "CKelraView.h"
#include "CommandIds.h"
#include "MainFrame.h"

using namespace kelra;
using kelra::test::AppTest;

namespace {

// A tmpfs of the given size (and read-only if asked) over dir for its lifetime.
class ScopedTmpfs {
public:
    ScopedTmpfs(const QString& dir, const char* options, bool readOnly) : dir_(dir.toStdString()) {
        mounted_ = ::mount("tmpfs", dir_.c_str(), "tmpfs", readOnly ? MS_RDONLY : 0, options) == 0;
    }
    ~ScopedTmpfs() {
        if (mounted_) ::umount2(dir_.c_str(), MNT_DETACH);
    }
    bool Mounted() const { return mounted_; }

private:
    std::string dir_;
    bool mounted_ = false;
};

// Everything in dir, hidden files too.
QStringList Entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int OpenDescriptorsOn(const QString& path) {
    int n = 0;
    for (const QFileInfo& fd : QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::System | QDir::Files))
        n += fd.symLinkTarget() == path;
    return n;
}

class FaultTest : public AppTest {
protected:
    // A chart window over ten years that writes its data file when it closes.
    void OpenWritingWindow() {
        Start();
        CMainFrame* frame = app_->MainFrame();
        frame->lastEnteredProfile.name = "Ann";
        frame->lastEnteredProfile.endDate = frame->lastEnteredProfile.startDate.AddDays(3652);
        frame->lastEnteredProfile.writeDataFile = true;
        frame->ExecuteCommand(ID_FILE_NEW);
        ASSERT_EQ(frame->MdiArea()->subWindowList().size(), 1);
    }
    // One run of the program that puts person on the list and ends; gives
    // what the end returned, and the list it found at the start.
    int RunOnce(const QString& person, QStringList* found = nullptr) {
        Start();
        if (found) *found = app_->RecentFiles().Entries();
        app_->RecentFiles().Add(person);
        app_->MainFrame()->close();
        QApplication::processEvents();
        const int result = app_->ExitInstance();
        app_.reset();
        return result;
    }
    // The list as the store holds it, read afresh; empty when it cannot be read.
    QStringList StoredList() const {
        QSettings store(SettingsPath(), QSettings::IniFormat);
        store.beginGroup(QStringLiteral("Recent File List"));
        QStringList list;
        for (const QString& key : store.childKeys()) list.append(key + QLatin1Char('=') + store.value(key).toString());
        return store.status() == QSettings::NoError ? list : QStringList{};
    }
    void CloseAll() {
        app_->MainFrame()->ExecuteCommand(ID_FILE_CLOSE);
        QApplication::processEvents();
        EXPECT_TRUE(app_->MainFrame()->MdiArea()->subWindowList().isEmpty());
    }
};

}  // namespace

TEST_F(FaultTest, FullDiskDuringTheExportKeepsTheEarlierFileAndTheWindowCloses) {
    const QString disk = QDir(Dir()).filePath(QStringLiteral("disk"));
    QDir().mkpath(disk);
    ScopedTmpfs tmpfs(disk, "size=16k", false);
    // The complete file of an earlier export the same day.
    QDir(disk).mkpath(QStringLiteral("Biorythms"));
    const QString file = QDir(disk).filePath(QStringLiteral("Biorythms/12_06_2026_ann.txt"));
    const QByteArray earlier("\r\nDate, Physical\r\n\r\n12/06/26, 27\r\n");
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(earlier);
    }
    struct rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    if (!tmpfs.Mounted()) {
        // No tmpfs without root: the file size limit stops the writes instead.
        struct rlimit small = old;
        small.rlim_cur = 16 * 1024;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    QDir::setCurrent(disk);
    OpenWritingWindow();
    CloseAll();
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);

    const QString reason = QString::fromLocal8Bit(std::strerror(tmpfs.Mounted() ? ENOSPC : EFBIG));
    EXPECT_EQ(warnings_, QStringList{QStringLiteral("Can not write the output file \"12_06_2026_ann.txt\" (%1). "
                                                    "The earlier file is kept.")
                                         .arg(reason)});
    EXPECT_EQ(OpenDescriptorsOn(file), 0);
    QFile kept(file);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), earlier);
    EXPECT_EQ(Entries(disk), QStringList{QStringLiteral("Biorythms")});
    EXPECT_EQ(Entries(disk + QStringLiteral("/Biorythms")), QStringList{QStringLiteral("12_06_2026_ann.txt")});
    QDir::setCurrent(Dir());
}

TEST_F(FaultTest, APipeAtTheExportPathIsRefusedWithoutWaiting) {
    QDir(Dir()).mkpath(QStringLiteral("Biorythms"));
    const QString fifo = QDir(Dir()).filePath(QStringLiteral("Biorythms/12_06_2026_ann.txt"));
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0666), 0);
    OpenWritingWindow();
    ::alarm(1);  // a wait on the pipe ends the test run instead of hanging it
    CloseAll();
    ::alarm(0);
    EXPECT_EQ(warnings_, QStringList{QStringLiteral("Can not open an output file \"12_06_2026_ann.txt\".")});
    struct stat st{};
    ASSERT_EQ(::lstat(fifo.toLocal8Bit().constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_EQ(Entries(Dir() + QStringLiteral("/Biorythms")), QStringList{QStringLiteral("12_06_2026_ann.txt")});
}

TEST_F(FaultTest, ReadOnlyWorkingDirectoryTellsTheUserOnce) {
    const QString ro = QDir(Dir()).filePath(QStringLiteral("ro"));
    QDir().mkpath(ro);
    ScopedTmpfs tmpfs(ro, "size=16k", true);
    if (!tmpfs.Mounted()) {
        if (geteuid() == 0) GTEST_SKIP() << "root without mount rights: no read-only place to test";
        QFile::setPermissions(ro, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    QDir::setCurrent(ro);
    OpenWritingWindow();
    CloseAll();
    EXPECT_EQ(warnings_, QStringList{QStringLiteral("Can not open an output file \"12_06_2026_ann.txt\".")});
    EXPECT_EQ(QDir::currentPath(), ro);
    EXPECT_TRUE(QDir(ro).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    QDir::setCurrent(Dir());
    QFile::setPermissions(ro, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(FaultTest, SettingsThatCannotBeWrittenAtExitAreReportedAndHarmNothing) {
    const QString folder = settingsDir_.filePath(QStringLiteral("Telmark"));
    const auto told = [&](const QString& reason) {
        return QStringList{QStringLiteral("The recent persons could not be saved in the settings file \"%1\": %2.")
                               .arg(SettingsPath(), reason)};
    };
    // A file where the store's folder belongs.
    {
        QFile blocker(folder);
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    EXPECT_NE(RunOnce(QStringLiteral("/d/Ann, 06 Dec 2026")), 0);
    EXPECT_EQ(warnings_, told(QStringLiteral("\"%1\" is a file where a folder belongs").arg(folder)));
    EXPECT_TRUE(QFileInfo(folder).isFile());
    EXPECT_EQ(QFileInfo(folder).size(), 0);

    QFile::remove(folder);
    QDir().mkpath(folder);
    {
        ScopedTmpfs readOnly(folder, "size=16k", true);
        if (!readOnly.Mounted()) GTEST_SKIP() << "no tmpfs for a read-only folder and a full disk";
        warnings_.clear();
        EXPECT_NE(RunOnce(QStringLiteral("/d/Ann, 06 Dec 2026")), 0);
        EXPECT_EQ(warnings_, told(QStringLiteral("the folder \"%1\" is read-only").arg(folder)));
    }
    {
        // A full disk under the store an earlier run wrote: that store stays.
        ScopedTmpfs disk(folder, "size=16k", false);
        ASSERT_EQ(RunOnce(QStringLiteral("/d/Ann, 06 Dec 2026")), 0);
        const QByteArray earlier = Bytes(SettingsPath());
        QFile filler(folder + QStringLiteral("/filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        while (filler.write(QByteArray(4096, 'x')) == 4096 && filler.flush()) {
        }
        filler.close();
        warnings_.clear();
        EXPECT_NE(RunOnce(QStringLiteral("/d/Bob, 06 Dec 2026")), 0);
        EXPECT_EQ(warnings_, told(QString::fromLocal8Bit(std::strerror(ENOSPC))));
        EXPECT_EQ(Bytes(SettingsPath()), earlier);
        EXPECT_EQ(Entries(folder), (QStringList{QStringLiteral("Kelra.conf"), QStringLiteral("filler")}));
    }
}

TEST_F(FaultTest, ADamagedStoreStartsEmptyAndIsRewrittenWithoutAComplaint) {
    QDir().mkpath(settingsDir_.filePath(QStringLiteral("Telmark")));
    {
        // A long list, then a section header cut short.
        QFile damaged(SettingsPath());
        ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
        damaged.write("[Recent%20File%20List]\n");
        for (int i = 1; i <= 3000; ++i) damaged.write(QStringLiteral("File%1=/d/X%1\n").arg(i).toUtf8());
        damaged.write("[Settings\nPreviewPages=2\n");
    }
    QStringList found;
    EXPECT_EQ(RunOnce(QStringLiteral("/d/Ann, 06 Dec 2026"), &found), 0);
    EXPECT_TRUE(found.isEmpty());
    EXPECT_TRUE(warnings_.isEmpty());
    EXPECT_EQ(StoredList(), QStringList{QStringLiteral("File1=/d/Ann, 06 Dec 2026")}) << Bytes(SettingsPath()).toStdString();
}

TEST_F(FaultTest, TheInstanceThatEndsLastKeepsItsListWhole) {
    Start();
    app_->RecentFiles().Add(QStringLiteral("/d/Ann, 06 Dec 2026"));
    // Meanwhile a second instance ends and writes a longer list.
    {
        QDir().mkpath(settingsDir_.filePath(QStringLiteral("Telmark")));
        QFile other(SettingsPath());
        ASSERT_TRUE(other.open(QIODevice::WriteOnly));
        other.write("[Recent%20File%20List]\n");
        for (int i = 1; i <= 10; ++i) other.write(QStringLiteral("File%1=/d/P%1, 01 Jan 2000\n").arg(i).toUtf8());
        other.write("\n[Settings]\nPreviewPages=2\n");
    }
    app_->MainFrame()->close();
    QApplication::processEvents();
    EXPECT_EQ(app_->ExitInstance(), 0);
    app_.reset();
    EXPECT_EQ(StoredList(), QStringList{QStringLiteral("File1=/d/Ann, 06 Dec 2026")}) << Bytes(SettingsPath()).toStdString();
    EXPECT_EQ(QSettings(SettingsPath(), QSettings::IniFormat).value(QStringLiteral("Settings/PreviewPages")), 1);
}

TEST_F(FaultTest, EveryWayOfClosingAWindowExportsItOnce) {
    // A folder where each file belongs: every export says so once.
    for (const char* n : {"a", "b", "c", "d"})
        ASSERT_TRUE(QDir(Dir()).mkpath(QStringLiteral("Biorythms/12_06_2026_%1.txt").arg(QLatin1String(n))));
    auto open = [this](const char* name) {
        CMainFrame* frame = app_->MainFrame();
        frame->lastEnteredProfile.name = name;
        frame->lastEnteredProfile.writeDataFile = true;
        frame->ExecuteCommand(ID_FILE_NEW);
        return frame->MdiArea()->activeSubWindow();
    };
    Start();
    open("A")->close();  // its close box
    open("B");
    app_->MainFrame()->ExecuteCommand(ID_FILE_CLOSE);
    open("C");
    app_->MainFrame()->ExecuteCommand(ID_APP_EXIT);  // the main window takes it along
    QApplication::processEvents();
    app_->ExitInstance();
    app_.reset();
    Start();
    open("D");
    app_.reset();  // the main window goes without a close
    QStringList expected;
    for (const char* n : {"a", "b", "c", "d"})
        expected << QStringLiteral("Can not open an output file \"12_06_2026_%1.txt\".").arg(QLatin1String(n));
    EXPECT_EQ(warnings_, expected);
}
