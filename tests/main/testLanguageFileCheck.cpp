#include <random>

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <gtest/gtest.h>

#include "ShellTestSupport.h"
#include "main/frame/LanguageFileCheck.h"
#include "main/frame/LanguageResource.h"
#include "main/frame/MainFrame.h"
#include "main/frame/PlotvaneApp.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {

const QString kResourceDir = QStringLiteral(PLOTVANE_RESOURCE_DIR);

QByteArray FrenchFile()
{
    QFile file(CLanguageResource::FileFor("PlvResFr.dll", kResourceDir));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A resource folder of its own holding data as the French file.
QString ResourceDirWith(const QByteArray& data)
{
    const QString strDir = TestConfigDir() + QStringLiteral("/language");
    QDir().mkpath(strDir);
    QFile file(CLanguageResource::FileFor("PlvResFr.dll", strDir));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(data);
    return strDir;
}

class LanguageFileCheckTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearTestSettings();
        m_French = FrenchFile();
        ASSERT_FALSE(m_French.isEmpty());
    }
    void TearDown() override { ClearTestSettings(); }

    QByteArray m_French;
};

}  // namespace

TEST_F(LanguageFileCheckTest, TheProgramsFilesAreSoundAndDamagedOnesAreRefused)
{
    QString strReason;
    EXPECT_TRUE(CLanguageFileCheck::IsSound(m_French, &strReason)) << strReason.toStdString();
    EXPECT_TRUE(CLanguageFileCheck::IsSound(FrenchFile()));
    QFile english(CLanguageResource::FileFor("PlvResUs.dll", kResourceDir));
    ASSERT_TRUE(english.open(QIODevice::ReadOnly));
    EXPECT_TRUE(CLanguageFileCheck::IsSound(english.readAll()));

    EXPECT_FALSE(CLanguageFileCheck::IsSound(m_French.left(m_French.size() - 1)));
    EXPECT_FALSE(CLanguageFileCheck::IsSound(m_French + QByteArray(1, '\0')));
    EXPECT_FALSE(CLanguageFileCheck::IsSound(QByteArray("not a translation file")));
    // The hash table's first entry leads past the messages.
    const int nHashes = m_French.indexOf(char(0x42), 16);
    ASSERT_GT(nHashes, 0);
    QByteArray wild = m_French;
    wild[nHashes + 5 + 4] = char(0x7f);
    EXPECT_FALSE(CLanguageFileCheck::IsSound(wild));
}

// Random damage to the French file: each time the window starts, and where the file is
// refused it is in English and says so once.
TEST_F(LanguageFileCheckTest, TheWindowStartsWhateverTheDamageToTheFrenchFile)
{
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<qsizetype> offset(16, m_French.size() - 1);
    int nRefused = 0;
    for (int i = 0; i < 200; ++i) {
        QByteArray damaged = m_French;
        const qsizetype nAt = offset(random);
        char cNew = static_cast<char>(byte(random));
        if (cNew == damaged[nAt])
            cNew = static_cast<char>(~cNew);
        damaged[nAt] = cNew;
        SCOPED_TRACE("byte " + std::to_string(nAt) + " changed, run " + std::to_string(i));
        {
            QSettings settings(TestSettingsFile(), QSettings::IniFormat);
            settings.setValue(QStringLiteral("General/Version"), QStringLiteral("V120"));
            settings.setValue(QStringLiteral("General/Language"), 1);
            settings.setValue(QStringLiteral("Prompt/StartingJob"), 2);
        }
        const bool bSound = CLanguageFileCheck::IsSound(damaged);
        CSeenBox seen;
        if (!bSound)
            AnswerNextBox(QMessageBox::Ok, seen);
        CPlotvaneApp app;
        app.SetResourceDir(ResourceDirWith(damaged));
        ASSERT_TRUE(app.InitInstance({QStringLiteral("plotvane")}));
        EXPECT_EQ(app.GetLanguageResource().IsLoaded(), bSound);
        if (!bSound) {
            ++nRefused;
            EXPECT_EQ(app.GetMainFrame()->GetMenu(0)->title(), QStringLiteral("&File"));
            EXPECT_EQ(seen.icon, QMessageBox::Warning);
            EXPECT_TRUE(seen.strText.startsWith(QStringLiteral("The language file ")))
                << seen.strText.toStdString();
        }
        app.ExitInstance();
        EXPECT_EQ(CStringTable::Get(IDS_UNTITLED), "Untitled");
    }
    // Most single bytes fall in texts, which stay sound; the rest is refused.
    EXPECT_GT(nRefused, 0);
}
