#include "main/steps/axes/AxeAbstractState.h"

#include "Dm/ScalePoint.h"
#include "main/steps/axes/AxeDialog.h"
#include "main/adapters/QtText.h"
#include "main/fields/ValueEdit.h"
#include "platform/NumberFormat.h"
#include "platform/StringTable.h"

void CAxeAbstractState::OnValueChanged(int nIndex)
{
    const CValueEdit* pEdit = m_Dialog.GetValueEdit(nIndex);
    CScalePoint& point = m_Dialog.GetScalePoint(nIndex);
    if (pEdit->IsEmpty())
        point.ClearValue();
    else
        point.SetValue(pEdit->GetValue());
    UpdatePrompt();
    m_Dialog.UpdateNextButton();
    m_Dialog.UpdateAllViews();
}

QString CAxeAbstractState::Prompt(unsigned nId, int nFirst, int nSecond)
{
    return CQtText::ToQString(FormatWithInts(CStringTable::Get(nId), {nFirst, nSecond}));
}
