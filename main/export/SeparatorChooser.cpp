#include "main/export/SeparatorChooser.h"

#include <QLineEdit>
#include <QRadioButton>

#include "main/adapters/QtText.h"
#include "ui_SeparatorChooser.h"

namespace {

constexpr char kSeparators[] = {'\t', ';', ',', ' '};

}  // namespace

CSeparatorChooser::CSeparatorChooser(QWidget* pParent)
    : QWidget(pParent), m_pUi(std::make_unique<Ui::CSeparatorChooser>())
{
    m_pUi->setupUi(this);
    connect(m_pUi->otherEdit, &QLineEdit::textEdited, this, &CSeparatorChooser::OnOtherEdited);
    m_pUi->tabButton->setChecked(true);
}

CSeparatorChooser::~CSeparatorChooser() = default;

CSeparatorChooser::Choice CSeparatorChooser::ChoiceOf(char cSeparator)
{
    for (int i = 0; i < Other; ++i) {
        if (kSeparators[i] == cSeparator)
            return static_cast<Choice>(i);
    }
    return Other;
}

void CSeparatorChooser::SetSeparator(char cSeparator)
{
    const Choice choice = ChoiceOf(cSeparator);
    QRadioButton* const buttons[] = {m_pUi->tabButton, m_pUi->semicolonButton, m_pUi->commaButton,
                                     m_pUi->spaceButton, m_pUi->otherButton};
    buttons[choice]->setChecked(true);
    m_pUi->otherEdit->setText(choice == Other ? CQtText::ToQString(std::string(1, cSeparator)) : QString());
}

CSeparatorChooser::Choice CSeparatorChooser::GetChoice() const
{
    if (m_pUi->semicolonButton->isChecked())
        return Semicolon;
    if (m_pUi->commaButton->isChecked())
        return Comma;
    if (m_pUi->spaceButton->isChecked())
        return Space;
    if (m_pUi->otherButton->isChecked())
        return Other;
    return Tab;
}

bool CSeparatorChooser::GetSeparator(char& cSeparator) const
{
    const Choice choice = GetChoice();
    if (choice != Other) {
        cSeparator = kSeparators[choice];
        return true;
    }
    const std::string strOther = CQtText::FromQString(m_pUi->otherEdit->text());
    if (strOther.empty())
        return false;
    cSeparator = strOther.front();
    return true;
}

void CSeparatorChooser::FocusOther()
{
    m_pUi->otherEdit->setFocus();
    m_pUi->otherEdit->selectAll();
}

void CSeparatorChooser::OnOtherEdited()
{
    m_pUi->otherButton->setChecked(true);
}
