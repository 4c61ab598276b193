// Faults a user can meet: a full disk, a read-only working directory and a
// settings store that cannot be written. Real faults where the machine
// allows (a small tmpfs needs root), injected ones otherwise.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
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

TEST_F(FaultTest, FullDiskDuringTheExportIsReportedAndTheWindowCloses) {
    const QString disk = QDir(Dir()).filePath(QStringLiteral("disk"));
    QDir().mkpath(disk);
    ScopedTmpfs tmpfs(disk, "size=16k", false);
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

    ASSERT_EQ(warnings_.size(), 1);
    EXPECT_TRUE(warnings_[0].startsWith(QStringLiteral("Can not write the output file \"12_06_2026_ann.txt\"")))
        << warnings_[0].toStdString();
    const QString file = QDir(disk).filePath(QStringLiteral("Biorythms/12_06_2026_ann.txt"));
    EXPECT_TRUE(QFileInfo::exists(file));
    EXPECT_LE(QFileInfo(file).size(), 16 * 1024);
    EXPECT_EQ(OpenDescriptorsOn(file), 0);
    QDir::setCurrent(Dir());
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
