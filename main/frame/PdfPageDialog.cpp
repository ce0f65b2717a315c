#include "main/frame/PdfPageDialog.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <QDialogButtonBox>
#include <QImage>
#include <QPushButton>

#include "imaging/Bmp.h"
#include "imaging/TextException.h"
#include "main/help/HelpWindow.h"
#include "ui_PdfPageDialog.h"

CPdfPageDialog::CPdfPageDialog(const uint8_t* data, size_t size,
                               std::vector<PLPdfDecoder::PageSize> pageSizes, QWidget* pParent)
    : QDialog(pParent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_pData(data),
      m_nSize(size),
      m_PageSizes(std::move(pageSizes)),
      m_pUi(std::make_unique<Ui::CPdfPageDialog>())
{
    m_pUi->setupUi(this);
    const int nPages = std::max(static_cast<int>(m_PageSizes.size()), 1);
    m_pUi->pageSpin->setRange(1, nPages);
    m_pUi->pageCount->setText(tr("of %n", "the number of pages of the file", nPages));
    m_pUi->dpiSpin->setRange(PLPdfDecoder::kMinDpi, PLPdfDecoder::kMaxDpi);
    m_pUi->dpiSpin->setValue(PLPdfDecoder::kDefaultDpi);
    m_pUi->thumbnail->setFixedSize(kThumbnailSide + 4, kThumbnailSide + 4);
    connect(m_pUi->pageSpin, &QSpinBox::valueChanged, this, &CPdfPageDialog::OnChoiceChanged);
    connect(m_pUi->dpiSpin, &QSpinBox::valueChanged, this, &CPdfPageDialog::OnChoiceChanged);
    connect(m_pUi->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_pUi->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pUi->buttonBox, &QDialogButtonBox::helpRequested, this,
            [this] { CHelpWindow::ShowHelpOf(*this); });
    CHelpWindow::SetUpDialogHelp(*this, IDD, nullptr);
    OnChoiceChanged();
}

CPdfPageDialog::~CPdfPageDialog() = default;

int CPdfPageDialog::GetPage() const
{
    return m_pUi->pageSpin->value();
}

int CPdfPageDialog::GetDpi() const
{
    return m_pUi->dpiSpin->value();
}

QString CPdfPageDialog::GetSizeText() const
{
    return m_pUi->sizeText->text();
}

QPixmap CPdfPageDialog::GetThumbnail() const
{
    return m_pUi->thumbnail->pixmap();
}

void CPdfPageDialog::showEvent(QShowEvent* pEvent)
{
    QDialog::showEvent(pEvent);
    ShowThumbnail();
}

void CPdfPageDialog::OnChoiceChanged()
{
    const int nPage = GetPage();
    if (nPage < 1 || nPage > static_cast<int>(m_PageSizes.size()))
        return;
    const PLPdfDecoder::PageSize& page = m_PageSizes[static_cast<size_t>(nPage - 1)];
    const bool bTooLarge = PLPdfDecoder::IsTooLarge(page, GetDpi());
    if (page.bDamaged) {
        m_pUi->sizeText->setText(tr("This page is damaged"));
    } else if (bTooLarge) {
        m_pUi->sizeText->setText(tr("Too large at this resolution"));
    } else {
        const double scale = GetDpi() / 72.0;
        m_pUi->sizeText->setText(tr("%1 × %2 pixels")
                                     .arg(std::lround(std::fabs(page.width) * scale))
                                     .arg(std::lround(std::fabs(page.height) * scale)));
    }
    m_pUi->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(!bTooLarge && !page.bDamaged);
    if (isVisible())
        ShowThumbnail();
}

void CPdfPageDialog::ShowThumbnail()
{
    const int nPage = GetPage();
    if (nPage < 1 || nPage > static_cast<int>(m_PageSizes.size()))
        return;
    auto found = m_Thumbnails.find(nPage);
    if (found == m_Thumbnails.end())
        found = m_Thumbnails.emplace(nPage, MakeThumbnail(nPage)).first;
    if (found->second.isNull())
        m_pUi->thumbnail->clear();
    else
        m_pUi->thumbnail->setPixmap(found->second);
}

QPixmap CPdfPageDialog::MakeThumbnail(int nPage) const
{
    const PLPdfDecoder::PageSize& page = m_PageSizes[static_cast<size_t>(nPage - 1)];
    const double longest = std::max(std::fabs(page.width), std::fabs(page.height));
    if (page.bDamaged || !(longest > 0))
        return QPixmap();
    // The lowest resolution that still fills the square; the decoder raises it to its
    // minimum, and the picture is then shrunk smoothly.
    const int nDpi =
        std::max(static_cast<int>(std::ceil(kThumbnailSide * 72.0 / longest)), PLPdfDecoder::kMinDpi);
    // A page so large that even this would take long to draw gets no picture.
    const double scale = nDpi / 72.0;
    if (std::fabs(page.width) * scale * std::fabs(page.height) * scale > kMaxThumbnailPixels)
        return QPixmap();
    // A drawing that fails, passes its bound or is cancelled leaves the page without a
    // picture, which is not asked for again.
    PLBmp bmp;
    try {
        PLPdfDecoder(nPage, nDpi).Decode(m_pData, m_nSize, bmp);
    } catch (const PLTextException&) {
        return QPixmap();
    }
    if (bmp.GetBitsPerPixel() != 32 || bmp.GetWidth() < 1 || bmp.GetHeight() < 1)
        return QPixmap();
    // The image only borrows the bitmap's pixels, and scaling to the size it already has
    // keeps borrowing them: the copy is the picture's own.
    const QImage image(bmp.GetBits(), bmp.GetWidth(), bmp.GetHeight(),
                       static_cast<qsizetype>(bmp.GetStride()), QImage::Format_RGB32);
    return QPixmap::fromImage(
        image.scaled(kThumbnailSide, kThumbnailSide, Qt::KeepAspectRatio, Qt::SmoothTransformation).copy());
}
