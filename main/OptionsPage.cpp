#include "main/OptionsPage.h"

#include "main/HelpTopics.h"
#include "main/HelpWindow.h"

COptionsPage::COptionsPage(unsigned nTemplateId, QWidget* pParent)
    : QWidget(pParent), m_nTemplateId(nTemplateId)
{
    CHelpWindow::SetHelpContext(*this, CHelpTopics::ContextOf(nTemplateId));
}
