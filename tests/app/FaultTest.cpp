// Faults a user can meet: a full disk, a read-only working directory and a
// settings store that cannot be written. Real faults where the machine
// allows (a small tmpfs needs root), injected ones otherwise.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>

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

TEST_F(FaultTest, SettingsThatCannotBeWrittenAtExitHarmNothing) {
    // A file where the store's folder belongs: nothing can be written there.
    QFile blocker(settingsDir_.filePath(QStringLiteral("Telmark")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Start();
    app_->MainFrame()->ExecuteCommand(ID_FILE_NEW);
    app_->MainFrame()->close();
    QApplication::processEvents();
    EXPECT_NE(app_->ExitInstance(), 0);
    app_.reset();
    Start();  // and the next start goes on with an empty list
    EXPECT_TRUE(app_->RecentFiles().IsEmpty());
}
