// Opening a page of a PDF file in the window: the page and resolution question.

#include <QApplication>
#include <QDialogButtonBox>
#include <QDropEvent>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

#include "Dm/BmpManager.h"
#include "Dm/PlotvaneDoc.h"
#include "ShellTestSupport.h"
#include "WizardTestSupport.h"
#include "imaging/PdfDecoder.h"
#include "main/frame/MainFrame.h"
#include "main/frame/PdfPageDialog.h"
#include "tests/support/PdfFigures.h"

namespace {

// Four pages: 4 x 3 inches black on the left half, the same black on the right half,
// 3 x 2 inches blank, and a page of 200 inches square.
std::string FourPages()
{
    return pdftest::HandMadePdf({{288, 216, "0 0 144 216 re f"},
                                 {288, 216, "144 0 144 216 re f"},
                                 {216, 144, ""},
                                 {14400, 14400, ""}});
}

// Whether the left or the right half of the small picture is the dark one.
int DarkHalf(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage();
    if (image.isNull())
        return 2;
    const int y = image.height() / 2;
    const bool bLeftDark = qGray(image.pixel(image.width() / 4, y)) < 64;
    const bool bRightDark = qGray(image.pixel(image.width() * 3 / 4, y)) < 64;
    return bLeftDark == bRightDark ? 0 : (bLeftDark ? -1 : 1);
}

}  // namespace

TEST(PdfPageDialogTest, ShowsThePageCountThePictureAndTheSizeOfTheChosenPage)
{
    const std::string pdf = FourPages();
    const auto* data = reinterpret_cast<const uint8_t*>(pdf.data());
    CPdfPageDialog dialog(data, pdf.size(), PLPdfDecoder::ReadPageSizes(data, pdf.size()), nullptr);
    EXPECT_TRUE(dialog.GetThumbnail().isNull()) << "drawn once the dialog shows";
    dialog.show();
    auto* pPage = dialog.findChild<QSpinBox*>(QStringLiteral("pageSpin"));
    auto* pDpi = dialog.findChild<QSpinBox*>(QStringLiteral("dpiSpin"));
    QPushButton* pOk = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    ASSERT_TRUE(pPage && pDpi && pOk);
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("pageCount"))->text(), QStringLiteral("of 4"));
    EXPECT_EQ(pPage->maximum(), 4);
    EXPECT_EQ(pDpi->minimum(), 30);
    EXPECT_EQ(pDpi->maximum(), 1200);

    EXPECT_EQ(dialog.GetPage(), 1);
    EXPECT_EQ(dialog.GetDpi(), 300);
    EXPECT_EQ(dialog.GetSizeText(), QStringLiteral("1200 × 900 pixels"));
    EXPECT_EQ(DarkHalf(dialog.GetThumbnail()), -1);
    EXPECT_LE(std::max(dialog.GetThumbnail().width(), dialog.GetThumbnail().height()),
              CPdfPageDialog::kThumbnailSide);

    pPage->setValue(2);
    EXPECT_EQ(DarkHalf(dialog.GetThumbnail()), 1);
    pPage->setValue(3);
    pDpi->setValue(100);
    EXPECT_EQ(dialog.GetSizeText(), QStringLiteral("300 × 200 pixels"));
    EXPECT_TRUE(pOk->isEnabled());

    // 60,000 pixels square at 300 dpi: refused until the resolution is low enough.
    pPage->setValue(4);
    pDpi->setValue(300);
    EXPECT_FALSE(pOk->isEnabled());
    EXPECT_EQ(dialog.GetSizeText(), QStringLiteral("Too large at this resolution"));
    pDpi->setValue(30);
    EXPECT_TRUE(pOk->isEnabled());
    EXPECT_EQ(dialog.GetSizeText(), QStringLiteral("6000 × 6000 pixels"));
}

TEST(PdfPageDialogTest, ADroppedPdfFileOpensThePageAndResolutionChosen)
{
    ClearTestSettings();
    const std::filesystem::path path = std::filesystem::path(PLOTVANE_TEST_WORK) / "pages.pdf";
    std::ofstream(path, std::ios::binary) << FourPages();
    CPlotvaneDoc doc;
    CMainFrame frame(doc);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path.string()))});

    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &enter);
    // Cancelled: nothing opens.
    WhenModal([](QWidget* pModal) { qobject_cast<QDialog*>(pModal)->reject(); });
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &drop);
    QCoreApplication::processEvents();
    EXPECT_FALSE(doc.GetBmpManager()->IsLoaded());

    WhenModal([](QWidget* pModal) {
        auto* pDialog = qobject_cast<CPdfPageDialog*>(pModal);
        ASSERT_NE(pDialog, nullptr);
        pDialog->findChild<QSpinBox*>(QStringLiteral("pageSpin"))->setValue(2);
        pDialog->findChild<QSpinBox*>(QStringLiteral("dpiSpin"))->setValue(72);
        pDialog->accept();
    });
    QApplication::sendEvent(&frame, &enter);
    QApplication::sendEvent(&frame, &drop);
    QCoreApplication::processEvents();
    ASSERT_TRUE(doc.GetBmpManager()->IsLoaded());
    EXPECT_EQ(doc.GetBmpManager()->GetWidth(), 288);
    EXPECT_EQ(doc.GetBmpManager()->GetHeight(), 216);
    // The right half is the black one on page 2.
    EXPECT_EQ(doc.GetBmpManager()->GetPixelColor(250, 100) & 0xFFFFFF, 0u);
    EXPECT_EQ(doc.GetBmpManager()->GetPixelColor(40, 100) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(doc.GetTitle(), "pages.pdf");
}
