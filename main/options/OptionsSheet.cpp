#include "main/options/OptionsSheet.h"

#include <QPushButton>
#include <QSignalBlocker>

#include "main/options/CurveProPage.h"
#include "main/options/DensitoProPage.h"
#include "main/options/ExportProPage.h"
#include "main/help/HelpWindow.h"
#include "main/options/LanguageProPage.h"
#include "main/options/PromptProPage.h"
#include "ui_OptionsSheet.h"

COptionsSheet::COptionsSheet(CSettingsManager& settings, QWidget* pParent)
    : QDialog(pParent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_pUi(std::make_unique<Ui::COptionsSheet>())
{
    m_pUi->setupUi(this);
    m_Pages = {new CLanguageProPage(settings), new CCurveProPage(settings), new CDensitoProPage(settings),
               new CPromptProPage(settings), new CExportProPage(settings)};
    for (COptionsPage* pPage : m_Pages)
        m_pUi->pageTabs->addTab(pPage, pPage->windowTitle());
    m_pUi->pageTabs->setCurrentIndex(0);
    connect(m_pUi->pageTabs, &QTabWidget::currentChanged, this, &COptionsSheet::OnTabChanged);
    connect(m_pUi->okButton, &QPushButton::clicked, this, &COptionsSheet::accept);
    connect(m_pUi->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_pUi->helpButton, &QPushButton::clicked, this,
            [this] { CHelpWindow::ShowHelpOf(*GetActivePage()); });
    CHelpWindow::AddHelpKeys(*this);
    // The sheet's own topic is the page on top, for F1 on the tabs and the help mode.
    CHelpWindow::SetHelpContext(*this, CHelpWindow::FindHelpContext(GetActivePage()).value_or(0));
}

COptionsSheet::~COptionsSheet() = default;

void COptionsSheet::Run(CSettingsManager& settings, QWidget* pParent)
{
    COptionsSheet sheet(settings, pParent);
    if (sheet.exec() == QDialog::Accepted)
        sheet.Apply(settings);
}

void COptionsSheet::Apply(CSettingsManager& settings) const
{
    for (const COptionsPage* pPage : m_Pages)
        pPage->Apply(settings);
}

COptionsPage* COptionsSheet::GetActivePage() const
{
    return m_Pages[static_cast<size_t>(m_nActive)];
}

bool COptionsSheet::SetActivePage(int nIndex)
{
    m_pUi->pageTabs->setCurrentIndex(nIndex);
    return m_nActive == nIndex;
}

void COptionsSheet::ShowPage(int nIndex)
{
    const QSignalBlocker blocker(m_pUi->pageTabs);
    m_pUi->pageTabs->setCurrentIndex(nIndex);
    m_nActive = nIndex;
    CHelpWindow::SetHelpContext(*this, CHelpWindow::FindHelpContext(GetActivePage()).value_or(0));
}

void COptionsSheet::OnTabChanged(int nIndex)
{
    // The page being left comes back on top before it is checked, so that the user sees
    // the field the message speaks of.
    const int nLeft = m_nActive;
    ShowPage(nLeft);
    if (nIndex != nLeft && GetActivePage()->OnKillActive())
        ShowPage(nIndex);
}

void COptionsSheet::accept()
{
    // The page on top first; then the others, each on top while it is checked. A page
    // the user has left passed already, one never shown holds the settings' own values.
    const int nFirst = m_nActive;
    for (int i = -1; i < GetPageCount(); ++i) {
        if (i == nFirst)
            continue;
        ShowPage(i < 0 ? nFirst : i);
        if (!GetActivePage()->OnKillActive())
            return;
    }
    QDialog::accept();
}
