#pragma once

#include <QCursor>

// The cursors shown over the picture while a construction dialog waits for the mouse: the
// system arrow and cross-hair, and the program's own pipette, pen and eraser.
class CGraphCursors {
public:
    // The cursor of a CursorKind; the arrow for any other value.
    static QCursor Cursor(int nKind);
};
