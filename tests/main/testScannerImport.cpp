#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "Dm/BmpManager.h"
#include "Dm/PlotvaneDoc.h"
#include "Dm/WinBmpEx.h"
#include "ShellTestSupport.h"
#include "tests/doubles/RecordingMessageService.h"
#include "imaging/SaneSession.h"
#include "main/CommandIds.h"
#include "main/MainFrame.h"
#include "main/QtSettingsBackend.h"
#include "main/SelectSourceDialog.h"
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
            GTEST_SKIP() << "the scanner library's \"test\" backend is not installed (package libsane1)";
    }
    // Waits until the acquisition under way is over.
    static void WaitForScan(const CMainFrame& frame)
    {
        for (int i = 0; i < 500 && frame.GetScannerManager()->IsBusy(); ++i)
            QTest::qWait(10);
        ASSERT_FALSE(frame.GetScannerManager()->IsBusy());
    }
};

class JammedScannerTest : public ScannerImportTest {
protected:
    void SetUp() override { UseScanner("sane-jammed"); }
};

TEST_F(ScannerImportTest, ImportTakesTheScannedPictureAsTheDocumentsWorkingBitmap)
{
    CPlotvaneDoc doc;
    CMainFrame frame(doc);
    ASSERT_TRUE(frame.GetScannerManager()->CanAcquire());
    ASSERT_TRUE(frame.GetAction(ID_SCANNER_IMPORT)->isEnabled());

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
    CPlotvaneDoc doc;
    ASSERT_TRUE(doc.OpenBitmap(MakeTestPicture("before.bmp", 20, 10)));
    CMainFrame frame(doc);
    CRecordingMessageService messages(true);
    frame.GetAction(ID_SCANNER_IMPORT)->trigger();
    WaitForScan(frame);

    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.LastText(),
              "The scanner could not deliver a picture: the paper is jammed.\n"
              "The document is unchanged.");
    EXPECT_EQ(messages.Messages()[0].icon, CMessageService::Icon::Stop);
    EXPECT_EQ(doc.GetBmpManager()->GetWidth(), 20);
    EXPECT_NE(doc.GetBmpManager()->GetFileName(), "Scanned graphic");
}

TEST_F(ScannerImportTest, SelectSourceListsTheScannersAndRemembersTheChoice)
{
    CPlotvaneDoc doc;
    CMainFrame frame(doc);
    ASSERT_TRUE(frame.GetAction(ID_SCANNER_SELECT_SOURCE)->isEnabled());
    QStringList items;
    QTimer::singleShot(50, [&items] {
        auto* pDialog = qobject_cast<CSelectSourceDialog*>(QApplication::activeModalWidget());
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
