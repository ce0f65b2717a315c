#include "main/OptionsPage.h"

#include "main/ConstructionDialog.h"
#include "main/HelpWindow.h"

COptionsPage::COptionsPage(unsigned nTemplateId, QWidget* pParent)
    : QWidget(pParent), m_nTemplateId(nTemplateId)
{
    CHelpWindow::SetHelpContext(*this, CConstructionDialog::kHelpContextBase + nTemplateId);
}
