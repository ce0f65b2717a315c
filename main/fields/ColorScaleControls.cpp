#include "main/fields/ColorScaleControls.h"

#include "Dm/ColorScale.h"
#include "main/fields/ColorChooseDialog.h"
#include "main/fields/ColorScaleButton.h"
#include "main/fields/ColoredButton.h"
#include "main/fields/ValueEdit.h"
#include "platform/MessageService.h"
#include "platform/StringIds.h"

CColorScaleControls::CColorScaleControls(CColoredButton& topColor, CColoredButton& bottomColor,
                                         CColorScaleButton& gradient, CValueEdit& topValue,
                                         CValueEdit& bottomValue)
    : m_TopColor(topColor),
      m_BottomColor(bottomColor),
      m_Gradient(gradient),
      m_TopValue(topValue),
      m_BottomValue(bottomValue)
{
}

void CColorScaleControls::Show(const CColorScale& scale)
{
    SetColor(true, scale.GetTopColor());
    SetColor(false, scale.GetBottomColor());
    m_TopValue.SetValue(scale.GetTopValue());
    m_BottomValue.SetValue(scale.GetBottomValue());
}

void CColorScaleControls::SetColor(bool bTop, uint32_t color)
{
    if (bTop) {
        m_TopColor.SetColor(color);
        m_Gradient.SetTopColor(color);
    } else {
        m_BottomColor.SetColor(color);
        m_Gradient.SetBottomColor(color);
    }
}

uint32_t CColorScaleControls::GetColor(bool bTop) const
{
    return (bTop ? m_TopColor : m_BottomColor).GetColor();
}

bool CColorScaleControls::ChooseColor(bool bTop, QWidget* pParent)
{
    uint32_t color = GetColor(bTop);
    if (!CColorChooseDialog::Choose(color, pParent))
        return false;
    SetColor(bTop, color);
    return true;
}

bool CColorScaleControls::ReadInto(CColorScale& scale) const
{
    for (bool bTop : {true, false}) {
        if ((bTop ? m_TopValue : m_BottomValue).IsEmpty()) {
            AfxMessageBox(IDS_GIVE_A_VALUE, CMessageService::Icon::Information);
            FocusValue(bTop);
            return false;
        }
    }
    scale.SetTopColor(GetColor(true));
    scale.SetBottomColor(GetColor(false));
    scale.SetTopValue(m_TopValue.GetValue());
    scale.SetBottomValue(m_BottomValue.GetValue());
    switch (scale.Validate()) {
        case CColorScale::kSameValues:
            AfxMessageBox(IDS_DENSITY_SCALE_VALUES_EQUAL, CMessageService::Icon::Information);
            FocusValue(true);
            return false;
        case CColorScale::kSameColors:
            AfxMessageBox(IDS_DENSITY_SCALE_COLORS_EQUAL, CMessageService::Icon::Information);
            return false;
        default:
            return true;
    }
}

void CColorScaleControls::FocusValue(bool bTop) const
{
    CValueEdit& edit = bTop ? m_TopValue : m_BottomValue;
    edit.setFocus();
    edit.selectAll();
}
