#include "main/options/DensitoProPage.h"

#include "Dm/SettingsManager.h"
#include "main/fields/ColorScaleControls.h"
#include "ui_DensitoProPage.h"

CDensitoProPage::CDensitoProPage(CSettingsManager& settings, QWidget* pParent)
    : COptionsPage(IDD, pParent),
      m_Scale(*settings.MakeColorScale()),
      m_pUi(std::make_unique<Ui::CDensitoProPage>())
{
    m_pUi->setupUi(this);
    m_pControls = std::make_unique<CColorScaleControls>(*m_pUi->topColorButton, *m_pUi->bottomColorButton,
                                                        *m_pUi->scaleButton, *m_pUi->topValueEdit,
                                                        *m_pUi->bottomValueEdit);
    connect(m_pUi->topColorButton, &QPushButton::clicked, this,
            [this] { m_pControls->ChooseColor(true, this); });
    connect(m_pUi->bottomColorButton, &QPushButton::clicked, this,
            [this] { m_pControls->ChooseColor(false, this); });
    m_pControls->Show(m_Scale);
}

CDensitoProPage::~CDensitoProPage() = default;

bool CDensitoProPage::OnKillActive()
{
    return m_pControls->ReadInto(m_Scale);
}

void CDensitoProPage::Apply(CSettingsManager& settings) const
{
    settings.SetDensityDefaults(m_Scale);
}
