#include "main/fields/ColorChooseDialog.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QSlider>

#include "Dm/ColorScale.h"
#include "main/fields/ColoredButton.h"
#include "main/help/HelpWindow.h"
#include "ui_ColorChooseDialog.h"

CColorChooseDialog::CColorChooseDialog(uint32_t color, QWidget* pParent)
    : QDialog(pParent), m_pUi(std::make_unique<Ui::CColorChooseDialog>())
{
    m_pUi->setupUi(this);
    CHelpWindow::SetUpDialogHelp(*this, IDD, nullptr);
    connect(m_pUi->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_pUi->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_nChannels[0] = CColorScale::Red(color);
    m_nChannels[1] = CColorScale::Green(color);
    m_nChannels[2] = CColorScale::Blue(color);
    for (int nChannel = 0; nChannel < 3; ++nChannel) {
        Slider(nChannel)->setValue(255 - m_nChannels[nChannel]);
        Field(nChannel)->setText(QString::number(m_nChannels[nChannel]));
        connect(Slider(nChannel), &QSlider::valueChanged, this,
                [this, nChannel](int nPosition) { OnSliderMoved(nChannel, nPosition); });
        connect(Field(nChannel), &QLineEdit::textEdited, this, [this, nChannel] { OnFieldEdited(nChannel); });
    }
    ShowSample();
}

CColorChooseDialog::~CColorChooseDialog() = default;

uint32_t CColorChooseDialog::GetColor() const
{
    return CColorScale::MakePixel(static_cast<uint8_t>(m_nChannels[0]), static_cast<uint8_t>(m_nChannels[1]),
                                  static_cast<uint8_t>(m_nChannels[2]));
}

bool CColorChooseDialog::Choose(uint32_t& color, QWidget* pParent)
{
    CColorChooseDialog dialog(color, pParent);
    if (dialog.exec() != QDialog::Accepted || (dialog.GetColor() & 0xFFFFFF) == (color & 0xFFFFFF))
        return false;
    color = dialog.GetColor();
    return true;
}

QSlider* CColorChooseDialog::Slider(int nChannel) const
{
    return nChannel == 0 ? m_pUi->redSlider : nChannel == 1 ? m_pUi->greenSlider : m_pUi->blueSlider;
}

QLineEdit* CColorChooseDialog::Field(int nChannel) const
{
    return nChannel == 0 ? m_pUi->redEdit : nChannel == 1 ? m_pUi->greenEdit : m_pUi->blueEdit;
}

void CColorChooseDialog::OnSliderMoved(int nChannel, int nPosition)
{
    const int nValue = 255 - nPosition;
    if (nValue == m_nChannels[nChannel])
        return;  // the slider followed a typed value
    m_nChannels[nChannel] = nValue;
    Field(nChannel)->setText(QString::number(nValue));
    ShowSample();
}

void CColorChooseDialog::OnFieldEdited(int nChannel)
{
    QLineEdit* pField = Field(nChannel);
    const int nValue = std::clamp(pField->text().toInt(), 0, 255);
    if (!pField->text().isEmpty() && pField->text() != QString::number(nValue))
        pField->setText(QString::number(nValue));
    m_nChannels[nChannel] = nValue;
    Slider(nChannel)->setValue(255 - nValue);
    ShowSample();
}

void CColorChooseDialog::ShowSample()
{
    m_pUi->sampleButton->SetColor(GetColor());
}
