#include "main/steps/densito/DensitoDlgAbstractState.h"

#include "Dm/DensityCurve.h"
#include "main/steps/densito/DensitoDlgDrawState.h"
#include "main/steps/densito/DensitoDlgPickState.h"
#include "main/steps/densito/DensitoDlgWaitState.h"
#include "main/steps/densito/DensitometryDialog.h"

CDensitoDlgAbstractState::StatePtr CDensitoDlgAbstractState::OnPickButton(bool bTop)
{
    return std::make_unique<CDensitoDlgPickState>(m_Dialog, bTop);
}

CDensitoDlgAbstractState::StatePtr CDensitoDlgAbstractState::OnDrawButton()
{
    return std::make_unique<CDensitoDlgDrawState>(m_Dialog);
}

CDensitoDlgAbstractState::StatePtr CDensitoDlgAbstractState::Resting() const
{
    if (m_Dialog.GetCurve().HasSegment())
        return std::make_unique<CDensitoDlgWaitState>(m_Dialog);
    return std::make_unique<CDensitoDlgDrawState>(m_Dialog);
}
