#include <string>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTimer>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "ShellTestSupport.h"
#include "main/frame/MainFrame.h"
#include "main/frame/PlotvaneApp.h"

namespace {

std::string SettingsPath()
{
    return QFile::encodeName(TestSettingsFile()).toStdString();
}

// A folder of the test's own beside the settings.
std::string OwnFolder()
{
    const QString strDir = TestConfigDir() + QStringLiteral("/settings-targets");
    QDir(strDir).removeRecursively();
    QDir().mkpath(strDir);
    return QFile::encodeName(strDir).toStdString();
}

void WriteSettings(const QString& strPath, int nStartingJob)
{
    QSettings settings(strPath, QSettings::IniFormat);
    settings.setValue(QStringLiteral("General/Version"), QStringLiteral("V120"));
    settings.setValue(QStringLiteral("Prompt/StartingJob"), nStartingJob);
}

std::string Content(const std::string& strPath)
{
    QFile file(QString::fromStdString(strPath));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// Starts the window (closing the graphic file dialog the start-up shows with the default
// settings, when bCloseDialogs), then closes the window as the user would and ends the
// program.
void StartAndClose(bool bCloseDialogs = true)
{
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [] {
        if (QWidget* pModal = QApplication::activeModalWidget())
            pModal->close();
    });
    if (bCloseDialogs)
        watch.start(200);
    CPlotvaneApp app;
    ASSERT_TRUE(app.InitInstance({QStringLiteral("plotvane")}));
    watch.stop();
    EXPECT_TRUE(app.GetMainFrame()->close());
    app.ExitInstance();
}

class SettingsStoreFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearTestSettings();
        QDir().mkpath(QFileInfo(TestSettingsFile()).absolutePath());
    }
    void TearDown() override { ClearTestSettings(); }
};

}  // namespace

TEST_F(SettingsStoreFileTest, ALinkToADeviceOrAPipeIsNeverReplaced)
{
    const std::string strDir = OwnFolder();
    const std::string strPipe = strDir + "/pipe";
    ASSERT_EQ(::mkfifo(strPipe.c_str(), 0644), 0);
    ASSERT_EQ(::symlink(strPipe.c_str(), SettingsPath().c_str()), 0);
    // A pipe nobody writes into: read, it would hang the start.
    StartAndClose();
    struct stat st {};
    ASSERT_EQ(::lstat(SettingsPath().c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    ASSERT_EQ(::stat(strPipe.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));

    // A device made here (the null device's numbers), never one of the system's.
    const std::string strDevice = strDir + "/null";
    if (::mknod(strDevice.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "making a device node needs the superuser";
    ClearTestSettings();
    ASSERT_EQ(::symlink(strDevice.c_str(), SettingsPath().c_str()), 0);
    StartAndClose();
    ASSERT_EQ(::lstat(SettingsPath().c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    ASSERT_EQ(::stat(strDevice.c_str(), &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
    EXPECT_EQ(st.st_rdev, makedev(1, 3));
}

TEST_F(SettingsStoreFileTest, AReadOnlyFileIsReadLeftAsItIsAndThatIsSaidOnce)
{
    WriteSettings(TestSettingsFile(), 2);
    ASSERT_EQ(::chmod(SettingsPath().c_str(), 0444), 0);
    const std::string strBefore = Content(SettingsPath());
    struct stat before {};
    ASSERT_EQ(::stat(SettingsPath().c_str(), &before), 0);

    CSeenBox seen;
    AnswerNextBox(QMessageBox::Ok, seen);
    StartAndClose(false);
    // "StartingJob" 2 was read: no dialog but the one message.
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(seen.strText,
              QStringLiteral("The settings file ") + TestSettingsFile() +
                  QStringLiteral(" is read-only: the settings of this session will not be saved."));
    struct stat after {};
    ASSERT_EQ(::stat(SettingsPath().c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode & 07777, 0444u);
    EXPECT_EQ(Content(SettingsPath()), strBefore);
}

TEST_F(SettingsStoreFileTest, ALinkedFileIsWrittenThroughItsLinkAndKeepsItsPermissions)
{
    const std::string strTarget = OwnFolder() + "/Plotvane.conf";
    WriteSettings(QString::fromStdString(strTarget), 2);
    ASSERT_EQ(::chmod(strTarget.c_str(), 0600), 0);
    ASSERT_EQ(::symlink(strTarget.c_str(), SettingsPath().c_str()), 0);
    StartAndClose();
    struct stat st {};
    ASSERT_EQ(::lstat(SettingsPath().c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    ASSERT_EQ(::stat(strTarget.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    // Every setting was written back at exit.
    EXPECT_NE(Content(strTarget).find("DashMaxDist=20"), std::string::npos) << Content(strTarget);
}
