#pragma once

#include <memory>

#include "Dm/SettingsManager.h"
#include "main/options/OptionsPage.h"

namespace Ui {
class CCurveProPage;
}

// The options page "Curve": what each new continuous curve starts with — the thickness
// compensation, smart with its range or flat, the threshold colour of the ink, the side of
// the line followed and whether the line is dashed, with the largest gap between dashes.
// "Defaults" puts the program's own values back on the page (only on the page). The number
// fields take only whole numbers within their ranges and go back to their last number when
// left empty.
class CCurveProPage : public COptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 139;

    CCurveProPage(CSettingsManager& settings, QWidget* pParent = nullptr);
    ~CCurveProPage() override;

    void Apply(CSettingsManager& settings) const override;

    // What the page shows; the threshold is a pixel word 0x00RRGGBB.
    CSettingsManager::CCurveOptions GetOptions() const;
    void ShowOptions(const CSettingsManager::CCurveOptions& options);

    // ---- The user's actions.
    void OnDefaults();
    // The colour chooser on the threshold colour.
    void OnThresholdButton();

private:
    void UpdateEnabled();

    CSettingsManager::CCurveOptions m_Defaults;
    std::unique_ptr<Ui::CCurveProPage> m_pUi;
};
