#include <chrono>
#include <functional>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <dlfcn.h>
#include <QTimer>
#include <gtest/gtest.h>

#include "Dm/BmpManager.h"
#include "Dm/PlotvaneDoc.h"
#include "Dm/WinBmpEx.h"
#include "ShellTestSupport.h"
#include "WizardTestSupport.h"
#include "tests/doubles/RecordingMessageService.h"
#include "imaging/SaneSession.h"
#include "imaging/SaneSourceManager.h"
#include "main/frame/CommandIds.h"
#include "main/frame/MainFrame.h"
#include "main/adapters/QtSettingsBackend.h"
#include "main/scanner/ScanSettingsDialog.h"
#include "main/scanner/SelectSourceDialog.h"
#include "tests/support/RequiredTool.h"
#include "tests/support/ScannedDocument.h"

namespace {

// The window scanning from the test backend of the scanner library, configured by the
// tests' own folder (tests/data/sane*). The library reads that folder once per process: each
// test needs a process of its own, as CTest runs them.
class ScannerImportTest : public ::testing::Test {
protected:
    void SetUp() override { UseScanner("sane"); }
    void UseScanner(const char* pszConfig)
    {
        ClearTestSettings();
        UseSaneConfig(pszConfig);
        CSaneSession session;
        std::vector<CScannerDevice> devices;
        session.ListDevices(true, devices);
        if (devices.empty())
            SKIP_WITHOUT_TOOL("the scanner library's \"test\" backend is not installed (package libsane1)");
    }
    // Answers the scanner's dialog when it shows: act first does what it will with it, then
    // the dialog's Scan button (or, without bScan, Cancel) is clicked.
    static void AnswerScanSettings(std::function<void(CScanSettingsDialog&)> act = {}, bool bScan = true)
    {
        auto* pTimer = new QTimer(qApp);
        QObject::connect(pTimer, &QTimer::timeout, [pTimer, act, bScan] {
            auto* pDialog = qobject_cast<CScanSettingsDialog*>(QApplication::activeModalWidget());
            if (pDialog == nullptr)
                return;
            pTimer->stop();
            pTimer->deleteLater();
            if (act)
                act(*pDialog);
            QTest::mouseClick(pDialog->findChild<QDialogButtonBox*>()->button(
                                  bScan ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel),
                              Qt::LeftButton);
        });
        pTimer->start(20);
    }
    // Imports over a document holding a picture, doing during what it will while the scan
    // runs: the import ends with strMessage alone, shown with icon, and the document keeps its
    // picture.
    static void ImportOverAPicture(const std::string& strMessage, CMessageService::Icon icon,
                                   const std::function<void(CMainFrame&)>& during = {})
    {
        CPlotvaneDoc doc;
        ASSERT_TRUE(doc.OpenBitmap(MakeTestPicture("before.bmp", 20, 10)));
        CMainFrame frame(doc);
        CRecordingMessageService messages(true);
        AnswerScanSettings();
        frame.GetAction(ID_SCANNER_IMPORT)->trigger();
        if (during)
            during(frame);
        WaitForScan(frame);

        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.LastText(), strMessage);
        EXPECT_EQ(messages.Messages()[0].icon, icon);
        EXPECT_EQ(doc.GetBmpManager()->GetWidth(), 20);
        EXPECT_NE(doc.GetBmpManager()->GetFileName(), "Scanned graphic");
    }
    static std::string Failure(const std::string& strReason)
    {
        return "The scanner could not deliver a picture: " + strReason + ".\nThe document is unchanged.";
    }
    // Waits until the acquisition under way is over (the scanner library bounds it).
    static void WaitForScan(const CMainFrame& frame)
    {
        ASSERT_TRUE(QTest::qWaitFor([&frame] { return !frame.GetScannerManager()->IsBusy(); }, 120000));
    }
};

class JammedScannerTest : public ScannerImportTest {
protected:
    void SetUp() override { UseScanner("sane-jammed"); }
};

// The scanner library's "test" backend loses the buffer of a scan cancelled in the middle:
// under the leak checker that is the library's loss, not the program's.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libsane-test.so\n";
}

class SlowScannerTest : public ScannerImportTest {
protected:
    void SetUp() override
    {
        // Kept loaded, the backend's frames can be named, and so suppressed, in a leak report.
        for (const char* pszPath :
             {"/usr/lib/x86_64-linux-gnu/sane/libsane-test.so.1", "/usr/lib/sane/libsane-test.so.1"})
            if (dlopen(pszPath, RTLD_NOW | RTLD_NODELETE) != nullptr)
                break;
        UseScanner("sane-slow");
    }
};

// The tests' own backend (tests/sanebackend), whose device never answers a read.
class StalledScannerTest : public ScannerImportTest {
protected:
    void SetUp() override
    {
        qputenv("LD_LIBRARY_PATH", PLOTVANE_TEST_SANE_BACKENDS);
        qputenv("PLOTVANE_HOSTILE_SANE", "stall");
        CSaneSourceManager::SetStallTime(std::chrono::milliseconds(200));
        UseScanner("sane-hostile");
    }
};

TEST_F(ScannerImportTest, ImportTakesTheScannedPictureAsTheDocumentsWorkingBitmap)
{
    CPlotvaneDoc doc;
    CMainFrame frame(doc);
    ASSERT_TRUE(frame.GetScannerManager()->CanAcquire());
    ASSERT_TRUE(frame.GetAction(ID_SCANNER_IMPORT)->isEnabled());

    AnswerScanSettings();
    frame.GetAction(ID_SCANNER_IMPORT)->trigger();
    WaitForScan(frame);

    const CBmpManager& bmp = *doc.GetBmpManager();
    ASSERT_TRUE(bmp.IsLoaded());
    EXPECT_EQ(bmp.GetFileName(), "Scanned graphic");
    EXPECT_EQ(bmp.GetBitmap()->GetBitsPerPixel(), 32);
    // 40 x 30 mm at 25 dpi.
    EXPECT_EQ(bmp.GetWidth(), 39);
    EXPECT_EQ(bmp.GetHeight(), 29);
    EXPECT_EQ(doc.GetTitle(), "Untitled");

    // Saved, the document embeds the picture as a BMP file.
    const std::string strPath = std::string(PLOTVANE_TEST_WORK) + "/scanned.pvd";
    ASSERT_TRUE(doc.OnSaveDocument(strPath));
    std::ifstream in(strPath, std::ios::binary);
    EXPECT_TRUE(EmbedsScannedBmp(std::string(std::istreambuf_iterator<char>(in), {})));
}

TEST_F(JammedScannerTest, AJammedScanSaysWhyAndLeavesTheDocumentAsItWas)
{
    ImportOverAPicture(Failure("the paper is jammed"), CMessageService::Icon::Stop);
}

TEST_F(SlowScannerTest, TheScanRunsBesideTheWindowWithItsProgressAndCancelLeavesTheDocumentAsItWas)
{
    ImportOverAPicture("The scan was cancelled. The document is unchanged.",
                       CMessageService::Icon::Information, [](CMainFrame& frame) {
                           // The window keeps answering while the scanner sends: the progress moves, under a
                           // busy cursor, and the commands that would touch the document wait.
                           QProgressDialog* pProgress = nullptr;
                           ASSERT_TRUE(QTest::qWaitFor(
                               [&] {
                                   pProgress = frame.GetScannerManager()->GetProgressDialog();
                                   return pProgress != nullptr && pProgress->value() > 0;
                               },
                               60000));
                           EXPECT_TRUE(pProgress->isVisible());
                           EXPECT_LT(pProgress->value(), pProgress->maximum());
                           ASSERT_NE(QApplication::overrideCursor(), nullptr);
                           EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
                           EXPECT_FALSE(frame.GetAction(ID_FILE_OPEN_GRAPHIC)->isEnabled());
                           EXPECT_FALSE(frame.GetAction(ID_SCANNER_IMPORT)->isEnabled());
                           QTest::mouseClick(pProgress->findChild<QPushButton*>(), Qt::LeftButton);
                       });
    // Over, the busy time leaves nothing behind.
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(StalledScannerTest, AScannerThatStopsAnsweringIsGivenUpAndReported)
{
    ImportOverAPicture(Failure("it stopped answering"), CMessageService::Icon::Stop);
}

TEST_F(ScannerImportTest, TheScannersDialogSetsTheScanFromTheDevicesOptionsAndRemembersItForTheDevice)
{
    CPlotvaneDoc doc;
    CMainFrame frame(doc);
    QStringList modes;
    QStringList resolutions;
    bool bPreview = false;
    AnswerScanSettings([&](CScanSettingsDialog& dialog) {
        auto* pModes = dialog.findChild<QComboBox*>(QStringLiteral("modeCombo"));
        auto* pResolutions = dialog.findChild<QComboBox*>(QStringLiteral("resolutionCombo"));
        for (int i = 0; i < pModes->count(); ++i)
            modes << pModes->itemText(i);
        for (int i = 0; i < pResolutions->count(); ++i)
            resolutions << pResolutions->itemText(i);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("previewButton")), Qt::LeftButton);
        bPreview = !dialog.GetPreview().isNull();
        // 50 dpi, gray, the left half of the 40 x 30 mm set in the device.
        pResolutions->setCurrentIndex(pResolutions->findData(50.0));
        pModes->setCurrentText(QStringLiteral("Gray"));
        auto* pRight = dialog.findChild<QDoubleSpinBox*>(QStringLiteral("rightSpin"));
        pRight->selectAll();
        QTest::keyClicks(pRight, QStringLiteral("20"));
    });
    frame.GetAction(ID_SCANNER_IMPORT)->trigger();
    WaitForScan(frame);

    EXPECT_TRUE(modes.contains(QStringLiteral("Gray")) && modes.contains(QStringLiteral("Color")))
        << modes.join(',').toStdString();
    EXPECT_TRUE(resolutions.contains(QStringLiteral("50 dpi")) &&
                resolutions.contains(QStringLiteral("25 dpi")));
    EXPECT_TRUE(bPreview);
    const CBmpManager& bmp = *doc.GetBmpManager();
    ASSERT_TRUE(bmp.IsLoaded());
    // 20 x 30 mm at 50 dpi.
    EXPECT_EQ(bmp.GetWidth(), 39);
    EXPECT_EQ(bmp.GetHeight(), 59);

    // The next scan from this device starts from them; cancelled, it scans nothing.
    CScanSettings shown;
    AnswerScanSettings([&shown](CScanSettingsDialog& dialog) { shown = dialog.GetSettings(); }, false);
    CRecordingMessageService messages(true);
    frame.GetAction(ID_SCANNER_IMPORT)->trigger();
    WaitForScan(frame);
    EXPECT_EQ(shown.dResolution, 50);
    EXPECT_EQ(shown.strMode, "Gray");
    EXPECT_EQ(shown.dRight, 20);
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(bmp.GetWidth(), 39);
}

TEST_F(ScannerImportTest, SelectSourceListsTheScannersAndRemembersTheChoice)
{
    CPlotvaneDoc doc;
    CMainFrame frame(doc);
    ASSERT_TRUE(frame.GetAction(ID_SCANNER_SELECT_SOURCE)->isEnabled());
    QStringList items;
    WhenModal([&items](QWidget* pModal) {
        auto* pDialog = qobject_cast<CSelectSourceDialog*>(pModal);
        ASSERT_NE(pDialog, nullptr);
        auto* pList = pDialog->findChild<QListWidget*>();
        for (int i = 0; i < pList->count(); ++i)
            items << pList->item(i)->text();
        pDialog->accept();
    });
    frame.GetAction(ID_SCANNER_SELECT_SOURCE)->trigger();

    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items[0], QStringLiteral("Noname frontend-tester (virtual device)\ntest:0"));
    const QSettings settings(CQtSettingsBackend::StoreFileName(), QSettings::IniFormat);
    EXPECT_EQ(settings.value(QLatin1String(CScannerManager::kDeviceKey)).toString(),
              QStringLiteral("test:0"));
}

TEST(ScannerWithoutDevicesTest, SelectSourceSaysThereIsNoScannerAndImportStaysDisabled)
{
    ClearTestSettings();
    UseSaneConfig("sane-none");
    CPlotvaneDoc doc;
    CMainFrame frame(doc);
    EXPECT_FALSE(frame.GetAction(ID_SCANNER_IMPORT)->isEnabled());
    ASSERT_TRUE(frame.GetAction(ID_SCANNER_SELECT_SOURCE)->isEnabled());
    CRecordingMessageService messages(true);
    frame.GetAction(ID_SCANNER_SELECT_SOURCE)->trigger();
    EXPECT_EQ(messages.LastText(), "Sorry, there is no available scanner.");
    EXPECT_FALSE(frame.GetAction(ID_SCANNER_IMPORT)->isEnabled());
}

}  // namespace
