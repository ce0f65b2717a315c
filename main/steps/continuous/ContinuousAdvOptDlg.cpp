#include "main/steps/continuous/ContinuousAdvOptDlg.h"

#include <algorithm>

#include <QPushButton>

#include "Dm/BmpManager.h"
#include "Dm/ColorScale.h"
#include "Dm/ContinuousCurve.h"
#include "Dm/FlatThicknessCorrector.h"
#include "Dm/SettingsManager.h"
#include "Dm/SmartThicknessCorrector.h"
#include "main/help/ControlHelp.h"
#include "main/view/GraphMessage.h"
#include "main/steps/continuous/HandModifiedQuestion.h"
#include "main/help/HelpWindow.h"
#include "platform/MessageService.h"
#include "platform/StringIds.h"
#include "ui_ContinuousAdvOptDlg.h"

CContinuousAdvOptDlg::CContinuousAdvOptDlg(CContinuousCurve& curve, QWidget* pParent)
    : QDialog(pParent), m_Curve(curve), m_pUi(std::make_unique<Ui::CContinuousAdvOptDlg>())
{
    m_pUi->setupUi(this);
    CHelpWindow::SetUpDialogHelp(*this, IDD, nullptr);
    CControlHelp::Install(this);
    connect(m_pUi->okButton, &QPushButton::clicked, this, &CContinuousAdvOptDlg::accept);
    connect(m_pUi->cancelButton, &QPushButton::clicked, this, &CContinuousAdvOptDlg::reject);

    ShowComponents(m_Curve.GetThreshold());
    for (int nChannel = 0; nChannel < 3; ++nChannel) {
        connect(Slider(nChannel), &QSlider::valueChanged, this,
                [this, nChannel](int nPosition) { OnSliderMoved(nChannel, nPosition); });
        connect(ValueEdit(nChannel), &QLineEdit::textEdited, this,
                [this, nChannel] { OnValueEdited(nChannel); });
    }

    const auto* pSmart = dynamic_cast<const CSmartThicknessCorrector*>(m_Curve.GetThicknessCorrector());
    m_bSmart = pSmart != nullptr;
    (m_bSmart ? m_pUi->smartRadio : m_pUi->flatRadio)->setChecked(true);
    int nRange = CSmartThicknessCorrector::kDefaultRange;
    if (pSmart != nullptr)
        nRange = pSmart->GetRange();
    else if (CSettingsManager* pSettings = GetSettingsManager())
        nRange = pSettings->GetSmartAlgoRangeValue().Get();
    m_pUi->rangeSpin->setValue(nRange);
    m_pUi->rangeSpin->setEnabled(m_bSmart);
    connect(m_pUi->flatRadio, &QRadioButton::clicked, this, &CContinuousAdvOptDlg::OnCompensationChosen);
    connect(m_pUi->smartRadio, &QRadioButton::clicked, this, &CContinuousAdvOptDlg::OnCompensationChosen);
    connect(m_pUi->rangeSpin, qOverload<int>(&QSpinBox::valueChanged), this, [this] {
        if (m_pUi->rangeSpin->hasFocus())
            m_bDirty = true;
    });
    connect(m_pUi->pickCheck, &QCheckBox::clicked, this, &CContinuousAdvOptDlg::OnPickFromBitmap);
    m_pUi->centreLineCheck->setChecked(m_Curve.IsCentreRefined());
    connect(m_pUi->centreLineCheck, &QCheckBox::clicked, this, [this] { m_bDirty = true; });
}

CContinuousAdvOptDlg::~CContinuousAdvOptDlg() = default;

QSlider* CContinuousAdvOptDlg::Slider(int nChannel) const
{
    return nChannel == 0 ? m_pUi->redSlider : nChannel == 1 ? m_pUi->greenSlider : m_pUi->blueSlider;
}

QLineEdit* CContinuousAdvOptDlg::ValueEdit(int nChannel) const
{
    return nChannel == 0 ? m_pUi->redEdit : nChannel == 1 ? m_pUi->greenEdit : m_pUi->blueEdit;
}

uint32_t CContinuousAdvOptDlg::GetSwatchColor() const
{
    return m_pUi->swatchButton->GetColor();
}

int CContinuousAdvOptDlg::ReadValue(int nChannel) const
{
    bool bOk = false;
    const int nValue = ValueEdit(nChannel)->text().trimmed().toInt(&bOk);
    return bOk ? nValue : -1;
}

void CContinuousAdvOptDlg::ShowComponents(uint32_t color)
{
    m_nComponents[0] = CColorScale::Red(color);
    m_nComponents[1] = CColorScale::Green(color);
    m_nComponents[2] = CColorScale::Blue(color);
    for (int nChannel = 0; nChannel < 3; ++nChannel) {
        ValueEdit(nChannel)->setText(QString::number(m_nComponents[nChannel]));
        Slider(nChannel)->setValue(255 - m_nComponents[nChannel]);
    }
    ShowColor();
}

void CContinuousAdvOptDlg::ShowColor()
{
    const auto channel = [this](int nChannel) {
        return static_cast<uint8_t>(std::clamp(m_nComponents[nChannel], 0, 255));
    };
    m_pUi->swatchButton->SetColor(CColorScale::MakePixel(channel(0), channel(1), channel(2)));
}

void CContinuousAdvOptDlg::OnSliderMoved(int nChannel, int nPosition)
{
    const int nValue = 255 - nPosition;
    if (nValue == std::clamp(m_nComponents[nChannel], 0, 255))
        return;  // the slider followed the edit or a pick
    m_nComponents[nChannel] = nValue;
    m_bDirty = true;
    ValueEdit(nChannel)->setText(QString::number(nValue));
    ShowColor();
}

void CContinuousAdvOptDlg::OnValueEdited(int nChannel)
{
    m_bDirty = true;
    // The edit keeps what was typed; OK refuses what is out of range.
    m_nComponents[nChannel] = ReadValue(nChannel);
    Slider(nChannel)->setValue(255 - std::clamp(m_nComponents[nChannel], 0, 255));
    ShowColor();
}

void CContinuousAdvOptDlg::OnCompensationChosen()
{
    const bool bSmart = m_pUi->smartRadio->isChecked();
    if (bSmart != m_bSmart)
        m_bDirty = true;
    m_bSmart = bSmart;
    m_pUi->rangeSpin->setEnabled(bSmart);
}

void CContinuousAdvOptDlg::OnPickFromBitmap()
{
    emit CursorWanted(m_pUi->pickCheck->isChecked() ? CURSOR_PIPETTE : CURSOR_ARROW);
}

void CContinuousAdvOptDlg::OnPick(unsigned /*nFlags*/, CPoint point)
{
    if (!m_pUi->pickCheck->isChecked())
        return;
    m_bDirty = true;
    const CBmpManager* pBmp = m_Curve.GetBmpManager();
    const uint32_t color = pBmp != nullptr ? pBmp->GetPixelColorOrWhite(point.x, point.y) : 0xFFFFFFFFu;
    ShowComponents(color);
    m_pUi->pickCheck->setChecked(false);
    emit CursorWanted(CURSOR_ARROW);
}

void CContinuousAdvOptDlg::accept()
{
    if (!m_bDirty) {
        Close();
        return;
    }
    if (!CHandModifiedQuestion::MayRebuild(m_Curve))
        return;
    QWidget* pFaulty = nullptr;
    unsigned nRefusal = 0;
    for (int nChannel = 0; nChannel < 3 && pFaulty == nullptr; ++nChannel) {
        const int nValue = ReadValue(nChannel);
        if (nValue < 0 || nValue > 255) {
            pFaulty = ValueEdit(nChannel);
            nRefusal = IDS_COLORS_RANGE;
        }
    }
    const int nRange = m_pUi->rangeSpin->value();
    if (pFaulty == nullptr && m_bSmart &&
        (nRange < CSmartThicknessCorrector::kMinRange || nRange > CSmartThicknessCorrector::kMaxRange)) {
        pFaulty = m_pUi->rangeSpin;
        nRefusal = IDS_RANGE_RANGE;
    }
    if (pFaulty != nullptr) {
        AfxMessageBox(nRefusal, CMessageService::Icon::Exclamation);
        pFaulty->setFocus();
        if (auto* pEdit = qobject_cast<QLineEdit*>(pFaulty))
            pEdit->selectAll();
        else
            m_pUi->rangeSpin->selectAll();
        return;
    }
    m_Curve.SetThreshold(CColorScale::MakePixel(static_cast<uint8_t>(ReadValue(0)),
                                                static_cast<uint8_t>(ReadValue(1)),
                                                static_cast<uint8_t>(ReadValue(2))));
    std::unique_ptr<CAbstractThicknessCorrector> pCorrector;
    if (m_bSmart)
        pCorrector = std::make_unique<CSmartThicknessCorrector>(&m_Curve, nRange);
    else
        pCorrector = std::make_unique<CFlatThicknessCorrector>(&m_Curve);
    if (const CAbstractThicknessCorrector* pPresent = m_Curve.GetThicknessCorrector())
        pCorrector->SetThickness(pPresent->GetThickness());
    m_Curve.SetThicknessCorrector(std::move(pCorrector));
    m_Curve.SetCentreRefined(m_pUi->centreLineCheck->isChecked());
    m_Curve.Rebuild();
    emit CurveRebuilt();
    Close();
}

void CContinuousAdvOptDlg::reject()
{
    Close();
}

void CContinuousAdvOptDlg::Close()
{
    emit Closed();
    QDialog::done(QDialog::Rejected);
    deleteLater();
}
