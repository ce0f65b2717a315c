#include "main/DensitoDlgWaitState.h"

#include "main/DensitometryDialog.h"
#include "main/GraphMessage.h"

void CDensitoDlgWaitState::Enter()
{
    m_Dialog.CheckButtons(false, false, false);
    m_Dialog.SetCursorKind(CURSOR_ARROW);
}
