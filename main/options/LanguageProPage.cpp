#include "main/options/LanguageProPage.h"

#include "Dm/SettingsManager.h"
#include "main/adapters/QtText.h"
#include "platform/StringIds.h"
#include "ui_LanguageProPage.h"

CLanguageProPage::CLanguageProPage(CSettingsManager& settings, QWidget* pParent)
    : COptionsPage(IDD, pParent), m_pUi(std::make_unique<Ui::CLanguageProPage>())
{
    m_pUi->setupUi(this);
    m_pUi->languageCombo->addItem(CQtText::String(IDS_LANGUAGE_ENGLISH));
    m_pUi->languageCombo->addItem(CQtText::String(IDS_LANGUAGE_FRENCH));
    SetLanguage(settings.GetLanguage());
}

CLanguageProPage::~CLanguageProPage() = default;

void CLanguageProPage::Apply(CSettingsManager& settings) const
{
    settings.GetLanguageValue().Set(GetLanguage());
}

int CLanguageProPage::GetLanguage() const
{
    return m_pUi->languageCombo->currentIndex();
}

void CLanguageProPage::SetLanguage(int nLanguage)
{
    m_pUi->languageCombo->setCurrentIndex(nLanguage);
}
