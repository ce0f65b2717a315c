// A PDF page that would draw for hours leaves the window alive: a busy indicator shows while
// the page or its small picture is drawn, and its Cancel button stops the drawing.

#include <QApplication>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

#include "Dm/BmpManager.h"
#include "Dm/PlotvaneDoc.h"
#include "WizardTestSupport.h"
#include "imaging/PdfDecoder.h"
#include "main/frame/MainFrame.h"
#include "main/frame/PdfPageDialog.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"
#include "tests/doubles/RecordingMessageService.h"
#include "tests/support/HostilePdfs.h"

namespace {

// Clicks Cancel on the busy indicator once it shows; counts the indicators cancelled. The
// timer goes by itself once it has acted.
QTimer* CancelTheBusyIndicator(int& nCancelled)
{
    return WhenModal([&nCancelled](QWidget* pModal) {
        auto* pIndicator = qobject_cast<QProgressDialog*>(pModal);
        ASSERT_NE(pIndicator, nullptr);
        EXPECT_EQ(pIndicator->objectName(), QStringLiteral("pdfBusyIndicator"));
        auto* pCancel = pIndicator->findChild<QPushButton*>();
        ASSERT_NE(pCancel, nullptr);
        QTest::mouseClick(pCancel, Qt::LeftButton);
        ++nCancelled;
    });
}

TEST(PdfBusyIndicatorTest, TheSmallPictureOfAnEndlessPageCanBeCancelled)
{
    CPlotvaneDoc doc;
    CMainFrame frame(doc);
    const std::string pdf = hostilepdf::NestedForms();
    const auto* data = reinterpret_cast<const uint8_t*>(pdf.data());
    CPdfPageDialog dialog(data, pdf.size(), PLPdfDecoder::ReadPageSizes(data, pdf.size()), &frame);
    int nCancelled = 0;
    const QPointer<QTimer> pLooking = CancelTheBusyIndicator(nCancelled);
    dialog.show();
    delete pLooking;
    EXPECT_EQ(nCancelled, 1);
    EXPECT_TRUE(dialog.GetThumbnail().isNull());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the indicator is gone";
    EXPECT_TRUE(dialog.isVisible());
}

TEST(PdfBusyIndicatorTest, OpeningAnEndlessPageCanBeCancelledAndOpensNothing)
{
    const std::filesystem::path path = std::filesystem::path(PLOTVANE_TEST_WORK) / "nested.pdf";
    std::ofstream(path, std::ios::binary) << hostilepdf::NestedForms();
    CRecordingMessageService messages(true);
    CPlotvaneDoc doc;
    CMainFrame frame(doc);
    int nCancelled = 0;
    const QPointer<QTimer> pLooking = CancelTheBusyIndicator(nCancelled);
    EXPECT_FALSE(doc.GetBmpManager()->Load(path.string(), 1, 300));
    delete pLooking;
    EXPECT_EQ(nCancelled, 1);
    EXPECT_FALSE(doc.GetBmpManager()->IsLoaded());
    EXPECT_NE(messages.LastText().find(CStringTable::Get(IDS_PDF_CANCELLED)), std::string::npos)
        << messages.LastText();
}

}  // namespace
