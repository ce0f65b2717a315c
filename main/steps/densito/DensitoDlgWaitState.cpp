#include "main/steps/densito/DensitoDlgWaitState.h"

#include "main/steps/densito/DensitometryDialog.h"
#include "main/view/GraphMessage.h"

void CDensitoDlgWaitState::Enter()
{
    m_Dialog.CheckButtons(false, false, false);
    m_Dialog.SetCursorKind(CURSOR_ARROW);
}
