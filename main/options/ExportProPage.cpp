#include "main/options/ExportProPage.h"

#include "Dm/PatternMatcher.h"
#include "Dm/SettingsManager.h"
#include "main/adapters/QtText.h"
#include "platform/MessageService.h"
#include "platform/StringIds.h"
#include "ui_ExportProPage.h"

CExportProPage::CExportProPage(CSettingsManager& settings, QWidget* pParent)
    : COptionsPage(IDD, pParent), m_pUi(std::make_unique<Ui::CExportProPage>())
{
    m_pUi->setupUi(this);
    m_pUi->separatorChooser->SetSeparator(settings.GetSeparator());
    m_pUi->extensionEdit->setMaxLength(CSettingsManager::kMaxExtensionLength);
    m_pUi->extensionEdit->setText(CQtText::ToQString(settings.GetExtension()));
}

CExportProPage::~CExportProPage() = default;

CSeparatorChooser& CExportProPage::GetSeparatorChooser() const
{
    return *m_pUi->separatorChooser;
}

QLineEdit& CExportProPage::GetExtensionEdit() const
{
    return *m_pUi->extensionEdit;
}

bool CExportProPage::OnKillActive()
{
    char cSeparator = 0;
    if (!m_pUi->separatorChooser->GetSeparator(cSeparator)) {
        AfxMessageBox(IDS_OTHER_SEPARATOR_EMPTY, CMessageService::Icon::Information);
        m_pUi->separatorChooser->FocusOther();
        return false;
    }
    QLineEdit& extension = *m_pUi->extensionEdit;
    unsigned nRefusal = 0;
    if (extension.text().isEmpty())
        nRefusal = IDS_EXTENSION_EMPTY;
    else if (!CPatternMatcher::Match(CQtText::FromQString(extension.text()),
                                     CSettingsManager::kExtensionPattern))
        nRefusal = IDS_EXTENSION_NOT_ALPHANUMERIC;
    if (nRefusal == 0)
        return true;
    AfxMessageBox(nRefusal, CMessageService::Icon::Information);
    extension.setFocus();
    extension.selectAll();
    return false;
}

void CExportProPage::Apply(CSettingsManager& settings) const
{
    char cSeparator = 0;
    if (m_pUi->separatorChooser->GetSeparator(cSeparator))
        settings.GetSeparatorValue().Set(static_cast<unsigned char>(cSeparator));
    settings.GetExtensionValue().Set(CQtText::FromQString(m_pUi->extensionEdit->text()));
}
