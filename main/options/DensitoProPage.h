#pragma once

#include <memory>

#include "Dm/ColorScale.h"
#include "main/options/OptionsPage.h"

namespace Ui {
class CDensitoProPage;
}
class CColorScaleControls;

// The options page "Densitometry": the colour scale each new densitometry curve starts
// with, edited as in the densitometry dialog — two colour buttons with the gradient between
// them, and the value each colour stands for.
class CDensitoProPage : public COptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 140;

    CDensitoProPage(CSettingsManager& settings, QWidget* pParent = nullptr);
    ~CDensitoProPage() override;

    // Both values given, different, and the two colours different; the page's scale then
    // holds them.
    bool OnKillActive() override;
    void Apply(CSettingsManager& settings) const override;

    // The scale as last checked.
    const CColorScale& GetScale() const { return m_Scale; }
    CColorScaleControls& GetControls() const { return *m_pControls; }

private:
    CColorScale m_Scale;
    std::unique_ptr<Ui::CDensitoProPage> m_pUi;
    std::unique_ptr<CColorScaleControls> m_pControls;
};
