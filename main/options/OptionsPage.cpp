#include "main/options/OptionsPage.h"

#include "main/help/HelpTopics.h"
#include "main/help/HelpWindow.h"

COptionsPage::COptionsPage(unsigned nTemplateId, QWidget* pParent)
    : QWidget(pParent), m_nTemplateId(nTemplateId)
{
    CHelpWindow::SetHelpContext(*this, CHelpTopics::ContextOf(nTemplateId));
}
