#include "main/scanner/ScanSettingsDialog.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include <QApplication>
#include <QDialogButtonBox>
#include <QPainter>
#include <QPushButton>

#include "main/help/HelpWindow.h"
#include "ui_ScanSettingsDialog.h"

namespace {

// The resolutions proposed when a device takes any value in a range.
constexpr double kCommonResolutions[] = {50, 75, 100, 150, 200, 300, 400, 600, 1200, 2400, 4800};

// A packed bitmap (the info header first) as a picture: given the file header a BMP file has.
QImage FromPackedDib(const std::vector<uint8_t>& dib)
{
    if (dib.size() < 40)
        return {};
    uint32_t nHeader = 0;
    std::memcpy(&nHeader, dib.data(), 4);
    uint16_t nBitCount = 0;
    std::memcpy(&nBitCount, dib.data() + 14, 2);
    const uint32_t nPalette = nBitCount <= 8 ? 4u << nBitCount : 0;
    const uint32_t nOffset = 14 + nHeader + nPalette;
    const auto nFileSize = static_cast<uint32_t>(14 + dib.size());
    QByteArray file(14, '\0');
    file[0] = 'B';
    file[1] = 'M';
    std::memcpy(file.data() + 2, &nFileSize, 4);
    std::memcpy(file.data() + 10, &nOffset, 4);
    file.append(reinterpret_cast<const char*>(dib.data()), static_cast<qsizetype>(dib.size()));
    return QImage::fromData(file, "BMP");
}

}  // namespace

CScanSettingsDialog::CScanSettingsDialog(const QString& strDevice, const CScanOffer& offer,
                                         const CScanSettings& settings,
                                         std::function<std::vector<uint8_t>()> preview, QWidget* pParent)
    : QDialog(pParent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_pUi(std::make_unique<Ui::CScanSettingsDialog>()),
      m_Offer(offer),
      m_Settings(settings),
      m_PreviewScan(std::move(preview))
{
    m_pUi->setupUi(this);
    m_pUi->deviceLabel->setText(strDevice);
    m_pUi->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("&Scan"));
    FillResolutions();
    for (const std::string& strMode : offer.modes)
        m_pUi->modeCombo->addItem(QString::fromStdString(strMode));
    m_pUi->modeCombo->setCurrentText(QString::fromStdString(settings.strMode));
    m_pUi->modeCombo->setEnabled(!offer.modes.empty());
    m_pUi->modeLabel->setEnabled(!offer.modes.empty());
    m_pUi->areaGroup->setEnabled(offer.bArea);
    const std::pair<QDoubleSpinBox*, double> spins[] = {{m_pUi->leftSpin, settings.dLeft},
                                                        {m_pUi->topSpin, settings.dTop},
                                                        {m_pUi->rightSpin, settings.dRight},
                                                        {m_pUi->bottomSpin, settings.dBottom}};
    for (const auto& [pSpin, dValue] : spins) {
        const bool bHorizontal = pSpin == m_pUi->leftSpin || pSpin == m_pUi->rightSpin;
        pSpin->setDecimals(1);
        pSpin->setRange(0, bHorizontal ? offer.dAreaWidth : offer.dAreaHeight);
        pSpin->setValue(dValue);
        connect(pSpin, &QDoubleSpinBox::valueChanged, this, &CScanSettingsDialog::ShowPreview);
    }
    m_pUi->previewButton->setEnabled(offer.bPreview && m_PreviewScan != nullptr);
    m_pUi->previewLabel->setText(offer.bPreview ? tr("Click Preview to see the whole bed.")
                                                : tr("This scanner gives no preview."));
    connect(m_pUi->previewButton, &QPushButton::clicked, this, &CScanSettingsDialog::OnPreview);
    connect(m_pUi->buttonBox, &QDialogButtonBox::accepted, this, [this] {
        // An area turned inside out is put right rather than refused.
        if (m_Offer.bArea && (m_pUi->leftSpin->value() >= m_pUi->rightSpin->value() ||
                              m_pUi->topSpin->value() >= m_pUi->bottomSpin->value())) {
            m_pUi->leftSpin->setValue(0);
            m_pUi->topSpin->setValue(0);
            m_pUi->rightSpin->setValue(m_Offer.dAreaWidth);
            m_pUi->bottomSpin->setValue(m_Offer.dAreaHeight);
        }
        accept();
    });
    connect(m_pUi->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pUi->buttonBox, &QDialogButtonBox::helpRequested, this,
            [this] { CHelpWindow::ShowHelpOf(*this); });
    CHelpWindow::SetUpDialogHelp(*this, IDD, nullptr);
}

CScanSettingsDialog::~CScanSettingsDialog() = default;

void CScanSettingsDialog::FillResolutions()
{
    std::vector<double> values = m_Offer.resolutions;
    if (values.empty() && m_Offer.bResolution)
        for (double dDpi : kCommonResolutions)
            if (m_Offer.OffersResolution(dDpi))
                values.push_back(dDpi);
    if (m_Settings.dResolution > 0 && m_Offer.OffersResolution(m_Settings.dResolution))
        values.push_back(m_Settings.dResolution);
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    for (double dDpi : values) {
        m_pUi->resolutionCombo->addItem(tr("%1 dpi").arg(dDpi), dDpi);
        if (dDpi == m_Settings.dResolution)
            m_pUi->resolutionCombo->setCurrentIndex(m_pUi->resolutionCombo->count() - 1);
    }
    m_pUi->resolutionCombo->setEnabled(!values.empty());
    m_pUi->resolutionLabel->setEnabled(!values.empty());
}

CScanSettings CScanSettingsDialog::GetSettings() const
{
    CScanSettings settings = m_Settings;
    if (m_pUi->resolutionCombo->currentIndex() >= 0)
        settings.dResolution = m_pUi->resolutionCombo->currentData().toDouble();
    if (!m_Offer.modes.empty())
        settings.strMode = m_pUi->modeCombo->currentText().toStdString();
    if (m_Offer.bArea) {
        settings.dLeft = m_pUi->leftSpin->value();
        settings.dTop = m_pUi->topSpin->value();
        settings.dRight = m_pUi->rightSpin->value();
        settings.dBottom = m_pUi->bottomSpin->value();
    }
    return settings;
}

void CScanSettingsDialog::OnPreview()
{
    // A preview is a quick scan at a low resolution; the scanner library bounds its wait.
    setEnabled(false);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    m_Preview = FromPackedDib(m_PreviewScan());
    QApplication::restoreOverrideCursor();
    setEnabled(true);
    if (m_Preview.isNull())
        m_pUi->previewLabel->setText(tr("The scanner gave no preview."));
    ShowPreview();
}

void CScanSettingsDialog::ShowPreview()
{
    if (m_Preview.isNull() || !m_Offer.bArea)
        return;
    QPixmap pixmap = QPixmap::fromImage(m_Preview.scaled(m_pUi->previewLabel->size() - QSize(4, 4),
                                                         Qt::KeepAspectRatio, Qt::SmoothTransformation));
    // The area over the bed, in the preview's pixels.
    const double dScaleX = pixmap.width() / m_Offer.dAreaWidth;
    const double dScaleY = pixmap.height() / m_Offer.dAreaHeight;
    QPainter painter(&pixmap);
    painter.setPen(QPen(Qt::red, 2));
    painter.drawRect(QRectF(m_pUi->leftSpin->value() * dScaleX, m_pUi->topSpin->value() * dScaleY,
                            (m_pUi->rightSpin->value() - m_pUi->leftSpin->value()) * dScaleX,
                            (m_pUi->bottomSpin->value() - m_pUi->topSpin->value()) * dScaleY));
    painter.end();
    m_pUi->previewLabel->setPixmap(pixmap);
}
