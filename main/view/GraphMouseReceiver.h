#pragma once

#include "main/view/GraphMessage.h"
#include "platform/Point.h"

// What the graph view needs of the construction dialog it forwards the mouse to: every
// press, drag and release as a message with the key flags and the position in bitmap
// pixels (clamped into the bitmap), and the kind of cursor to show over the picture.
class CGraphMouseReceiver {
public:
    virtual ~CGraphMouseReceiver() = default;

    virtual void OnGraphMessage(GraphMessage message, unsigned nFlags, CPoint point) = 0;
    // One of CursorKind; any other value shows the arrow.
    virtual int GetCursorKind() const = 0;

protected:
    CGraphMouseReceiver() = default;
    CGraphMouseReceiver(const CGraphMouseReceiver&) = default;
    CGraphMouseReceiver& operator=(const CGraphMouseReceiver&) = default;
};
