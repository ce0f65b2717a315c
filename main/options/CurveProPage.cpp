#include "main/options/CurveProPage.h"

#include "main/fields/ColorChooseDialog.h"
#include "main/help/ControlHelp.h"
#include "ui_CurveProPage.h"

CCurveProPage::CCurveProPage(CSettingsManager& settings, QWidget* pParent)
    : COptionsPage(IDD, pParent), m_pUi(std::make_unique<Ui::CCurveProPage>())
{
    m_pUi->setupUi(this);
    CControlHelp::Install(this);
    const CPixelSettingValue& blackLevel = settings.GetBlackLevelValue();
    m_Defaults = {
        settings.GetAlgoValue().GetDefault(),           settings.GetSmartAlgoRangeValue().GetDefault(),
        static_cast<uint32_t>(blackLevel.GetDefault()), settings.GetSideFollowValue().GetDefault(),
        settings.GetDashedValue().GetDefault() != 0,    settings.GetDashMaxDistValue().GetDefault()};
    m_pUi->rangeSpin->setRange(settings.GetSmartAlgoRangeValue().GetMin(),
                               settings.GetSmartAlgoRangeValue().GetMax());
    m_pUi->distanceSpin->setRange(settings.GetDashMaxDistValue().GetMin(),
                                  settings.GetDashMaxDistValue().GetMax());
    connect(m_pUi->defaultsButton, &QPushButton::clicked, this, &CCurveProPage::OnDefaults);
    connect(m_pUi->thresholdButton, &QPushButton::clicked, this, &CCurveProPage::OnThresholdButton);
    connect(m_pUi->smartRadio, &QRadioButton::toggled, this, &CCurveProPage::UpdateEnabled);
    connect(m_pUi->dashedYesRadio, &QRadioButton::toggled, this, &CCurveProPage::UpdateEnabled);
    ShowOptions(settings.GetCurveOptions());
}

CCurveProPage::~CCurveProPage() = default;

CSettingsManager::CCurveOptions CCurveProPage::GetOptions() const
{
    return {m_pUi->flatRadio->isChecked() ? 1 : 0,
            m_pUi->rangeSpin->value(),
            m_pUi->thresholdButton->GetColor() & 0xFFFFFFu,
            m_pUi->bottomRadio->isChecked() ? 1 : 0,
            m_pUi->dashedYesRadio->isChecked(),
            m_pUi->distanceSpin->value()};
}

void CCurveProPage::ShowOptions(const CSettingsManager::CCurveOptions& options)
{
    (options.m_nAlgo == 1 ? m_pUi->flatRadio : m_pUi->smartRadio)->setChecked(true);
    m_pUi->rangeSpin->setValue(options.m_nSmartAlgoRange);
    m_pUi->thresholdButton->SetColor(options.m_BlackLevel);
    (options.m_nSideFollow == 1 ? m_pUi->bottomRadio : m_pUi->topRadio)->setChecked(true);
    (options.m_bDashed ? m_pUi->dashedYesRadio : m_pUi->dashedNoRadio)->setChecked(true);
    m_pUi->distanceSpin->setValue(options.m_nDashMaxDist);
    UpdateEnabled();
}

void CCurveProPage::OnDefaults()
{
    ShowOptions(m_Defaults);
}

void CCurveProPage::OnThresholdButton()
{
    uint32_t color = m_pUi->thresholdButton->GetColor();
    if (CColorChooseDialog::Choose(color, this))
        m_pUi->thresholdButton->SetColor(color);
}

void CCurveProPage::UpdateEnabled()
{
    m_pUi->rangeSpin->setEnabled(m_pUi->smartRadio->isChecked());
    m_pUi->distanceSpin->setEnabled(m_pUi->dashedYesRadio->isChecked());
}

void CCurveProPage::Apply(CSettingsManager& settings) const
{
    const CSettingsManager::CCurveOptions options = GetOptions();
    settings.GetAlgoValue().Set(options.m_nAlgo);
    settings.GetSmartAlgoRangeValue().Set(options.m_nSmartAlgoRange);
    settings.GetBlackLevelValue().SetPixelWord(options.m_BlackLevel);
    settings.GetSideFollowValue().Set(options.m_nSideFollow);
    settings.GetDashedValue().Set(options.m_bDashed ? 1 : 0);
    settings.GetDashMaxDistValue().Set(options.m_nDashMaxDist);
}
