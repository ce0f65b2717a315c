#include "ShellTestSupport.h"

#include <memory>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSettings>
#include <QTimer>
#include <gtest/gtest.h>

#include "main/adapters/SettingsStoreFile.h"

namespace {

// One QApplication for the whole test process, offscreen, with its settings in the
// scratch folder.
class CShellTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        qputenv("XDG_CONFIG_HOME", TestConfigDir().toUtf8());
        // No scanner but those a test asks for, whatever the computer has.
        UseSaneConfig("sane-none");
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        m_pApplication = std::make_unique<QApplication>(m_nArgc, m_Argv);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, TestConfigDir());
    }
    void TearDown() override { m_pApplication.reset(); }

private:
    int m_nArgc = 1;
    char m_szName[16] = "test_main";
    char* m_Argv[2] = {m_szName, nullptr};
    std::unique_ptr<QApplication> m_pApplication;
};

[[maybe_unused]] ::testing::Environment* const g_pEnvironment =
    ::testing::AddGlobalTestEnvironment(new CShellTestEnvironment);

}  // namespace

QString TestConfigDir()
{
    return QString::fromUtf8(PLOTVANE_TEST_WORK) + QStringLiteral("/config");
}

QString TestSettingsFile()
{
    return TestConfigDir() + QStringLiteral("/Tessaline Software/Plotvane.conf");
}

void UseSaneConfig(const char* pszFolder)
{
    qputenv("SANE_CONFIG_DIR", (QStringLiteral(PLOTVANE_TEST_DATA "/") + QLatin1String(pszFolder)).toUtf8());
}

void ClearTestSettings()
{
    QFile::remove(TestSettingsFile());
    // The copy the program's settings are read from and written to.
    CSettingsStoreFile::Get().Reload();
}

std::string MakeTestPicture(const std::string& strName, int nWidth, int nHeight)
{
    QImage image(nWidth, nHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QString strPath =
        QDir(QString::fromUtf8(PLOTVANE_TEST_WORK)).filePath(QString::fromStdString(strName));
    image.save(strPath, "BMP");
    return QFile::encodeName(strPath).toStdString();
}

void AnswerNextBox(QMessageBox::StandardButton button, CSeenBox& seen)
{
    // Looks every 10 ms for the box, which may come after other events, for 5 s at most.
    auto* pTimer = new QTimer(QCoreApplication::instance());
    auto nTries = std::make_shared<int>(500);
    QObject::connect(pTimer, &QTimer::timeout, [pTimer, nTries, button, &seen] {
        auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (pBox == nullptr && --*nTries > 0)
            return;
        pTimer->stop();
        pTimer->deleteLater();
        ASSERT_NE(pBox, nullptr);
        seen.strTitle = pBox->windowTitle();
        seen.strText = pBox->text();
        seen.icon = pBox->icon();
        seen.buttons = pBox->standardButtons();
        pBox->button(button)->click();
    });
    pTimer->start(10);
}
