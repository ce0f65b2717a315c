#include "main/options/PromptProPage.h"

#include "Dm/SettingsManager.h"
#include "ui_PromptProPage.h"

CPromptProPage::CPromptProPage(CSettingsManager& settings, QWidget* pParent)
    : COptionsPage(IDD, pParent), m_pUi(std::make_unique<Ui::CPromptProPage>())
{
    m_pUi->setupUi(this);
    m_pUi->startGroup->setId(m_pUi->openRadio, 0);
    m_pUi->startGroup->setId(m_pUi->scannerRadio, 1);
    m_pUi->startGroup->setId(m_pUi->nothingRadio, 2);
    m_pUi->startGroup->button(settings.GetStartingJob())->setChecked(true);
    (settings.GetExportPrompt() ? m_pUi->promptRadio : m_pUi->noPromptRadio)->setChecked(true);
}

CPromptProPage::~CPromptProPage() = default;

int CPromptProPage::GetStartingJob() const
{
    return m_pUi->startGroup->checkedId();
}

bool CPromptProPage::GetExportPrompt() const
{
    return m_pUi->promptRadio->isChecked();
}

void CPromptProPage::Apply(CSettingsManager& settings) const
{
    settings.GetStartingJobValue().Set(GetStartingJob());
    settings.GetExportPromptValue().Set(GetExportPrompt() ? 1 : 0);
}
