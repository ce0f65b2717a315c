#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

#include "Dm/SettingsManager.h"
#include "ShellTestSupport.h"
#include "main/adapters/QtSettingsBackend.h"

namespace {

class QtSettingsBackendTest : public ::testing::Test {
protected:
    void SetUp() override { ClearTestSettings(); }
    void TearDown() override
    {
        ReleaseSettingsManager();
        CSettingsManager::SetBackend(nullptr);
        ClearTestSettings();
    }
};

QString ReadSettingsFile()
{
    QFile file(TestSettingsFile());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

}  // namespace

TEST_F(QtSettingsBackendTest, ValuesWrittenAreReadBackAfterARestart)
{
    {
        CQtSettingsBackend backend;
        EXPECT_EQ(backend.GetFileName(), TestSettingsFile());
        EXPECT_TRUE(backend.WriteInt("Prompt", "StartingJob", 2));
        EXPECT_TRUE(backend.WriteString("Export", "Extension", "csv"));
        // The same store reads what it was just given.
        int nJob = -1;
        EXPECT_TRUE(backend.ReadInt("Prompt", "StartingJob", nJob));
        EXPECT_EQ(nJob, 2);
        EXPECT_TRUE(backend.Flush());
    }
    const QString strFile = ReadSettingsFile();
    EXPECT_TRUE(strFile.contains(QStringLiteral("[Prompt]\nStartingJob=2")));
    EXPECT_TRUE(strFile.contains(QStringLiteral("[Export]\nExtension=csv")));

    CQtSettingsBackend backend;
    int nJob = -1;
    std::string strExtension;
    EXPECT_TRUE(backend.ReadInt("Prompt", "StartingJob", nJob));
    EXPECT_EQ(nJob, 2);
    EXPECT_TRUE(backend.ReadString("Export", "Extension", strExtension));
    EXPECT_EQ(strExtension, "csv");
    // An integer reads as its text.
    std::string strJob;
    EXPECT_TRUE(backend.ReadString("Prompt", "StartingJob", strJob));
    EXPECT_EQ(strJob, "2");
}

TEST_F(QtSettingsBackendTest, SettingsManagerKeepsItsValuesAcrossARestart)
{
    {
        CQtSettingsBackend backend;
        CSettingsManager::SetBackend(&backend);
        CSettingsManager* pSettings = GetSettingsManager();
        ASSERT_NE(pSettings, nullptr);
        EXPECT_TRUE(pSettings->GetLanguageValue().Set(1));
        EXPECT_TRUE(pSettings->GetStartingJobValue().Set(2));
        pSettings->GetTopValueValue().Set(12.5);
        ReleaseSettingsManager();
        CSettingsManager::SetBackend(nullptr);
    }
    const QString strFile = ReadSettingsFile();
    EXPECT_TRUE(strFile.contains(QStringLiteral("Language=1")));
    EXPECT_TRUE(strFile.contains(QStringLiteral("TopValue=12.500000")));
    EXPECT_TRUE(strFile.contains(QStringLiteral("Version=V120")));

    CQtSettingsBackend backend;
    CSettingsManager::SetBackend(&backend);
    CSettingsManager* pSettings = GetSettingsManager();
    ASSERT_NE(pSettings, nullptr);
    EXPECT_EQ(pSettings->GetLanguage(), 1);
    EXPECT_EQ(pSettings->GetStartingJob(), 2);
    EXPECT_DOUBLE_EQ(pSettings->GetTopValueValue().Get(), 12.5);
    ReleaseSettingsManager();
    CSettingsManager::SetBackend(nullptr);
}

TEST_F(QtSettingsBackendTest, ValuesEditedIntoSomethingElseReadAsAbsent)
{
    {
        QSettings settings(TestSettingsFile(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("General/Language"), QStringLiteral("French"));
        settings.setValue(QStringLiteral("Export/Extension"),
                          QStringList{QStringLiteral("a"), QStringLiteral("b")});
    }
    CQtSettingsBackend backend;
    int nLanguage = 7;
    EXPECT_FALSE(backend.ReadInt("General", "Language", nLanguage));
    EXPECT_EQ(nLanguage, 7);
    std::string strExtension = "xls";
    EXPECT_FALSE(backend.ReadString("Export", "Extension", strExtension));
    EXPECT_EQ(strExtension, "xls");
    EXPECT_FALSE(backend.ReadInt("General", "Missing", nLanguage));
}

TEST_F(QtSettingsBackendTest, TextsKeepTheirWindows1252CharactersAndNamesStayOneGroupDeep)
{
    const std::string strCp1252 =
        "D\xE9"
        "cade \x80";
    {
        CQtSettingsBackend backend;
        EXPECT_TRUE(backend.WriteString("Export", "Title", strCp1252));
        EXPECT_FALSE(backend.WriteString("Export/Sub", "Title", "x"));
        EXPECT_FALSE(backend.WriteInt("Export", "a\\b", 1));
        EXPECT_FALSE(backend.WriteInt("", "Key", 1));
    }
    EXPECT_TRUE(ReadSettingsFile().contains(QStringLiteral("D\u00E9cade \u20AC")));
    CQtSettingsBackend backend;
    std::string strRead;
    EXPECT_TRUE(backend.ReadString("Export", "Title", strRead));
    EXPECT_EQ(strRead, strCp1252);
}
