#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include <QDialog>
#include <QImage>

#include "imaging/ScanSettings.h"

namespace Ui {
class CScanSettingsDialog;
}

// The scanner's own dialog, shown before each scan from the window: the resolution and the
// colour mode among those the device offers, the scan area in millimetres within its bed,
// and, where the device can, a preview of the whole bed with the area drawn over it. "Scan"
// takes the settings; Cancel scans nothing. What the device does not offer is not shown.
class CScanSettingsDialog : public QDialog {
    Q_OBJECT
public:
    // Its help is the scanner's topic.
    enum { IDD = 177 };

    // settings: the values to start from (within offer); preview: the device's preview scan
    // (a packed bitmap, empty on failure).
    CScanSettingsDialog(const QString& strDevice, const CScanOffer& offer, const CScanSettings& settings,
                        std::function<std::vector<uint8_t>()> preview, QWidget* pParent);
    ~CScanSettingsDialog() override;

    CScanSettings GetSettings() const;
    // The preview scanned, null before one is.
    const QImage& GetPreview() const { return m_Preview; }

private:
    void FillResolutions();
    void OnPreview();
    void ShowPreview();

    std::unique_ptr<Ui::CScanSettingsDialog> m_pUi;
    CScanOffer m_Offer;
    CScanSettings m_Settings;
    std::function<std::vector<uint8_t>()> m_PreviewScan;
    QImage m_Preview;
};
