#include "main/view/GraphCursors.h"

#include <QIcon>
#include <QPixmap>

#include "main/view/GraphMessage.h"

namespace {

// An SVG cursor of 32 × 32 pixels (64 on a 2× screen) with its hot spot.
QCursor SvgCursor(const char* pszResource, int nHotX, int nHotY)
{
    const QPixmap pixmap = QIcon(QString::fromLatin1(pszResource)).pixmap(QSize(32, 32));
    return pixmap.isNull() ? QCursor(Qt::CrossCursor) : QCursor(pixmap, nHotX, nHotY);
}

}  // namespace

QCursor CGraphCursors::Cursor(int nKind)
{
    switch (nKind) {
        case CURSOR_CROSS:
            return QCursor(Qt::CrossCursor);
        case CURSOR_PIPETTE:
            return SvgCursor(":/cursors/pipette.svg", 1, 30);
        case CURSOR_PEN:
            return SvgCursor(":/cursors/pen.svg", 1, 30);
        case CURSOR_ERASER:
            return SvgCursor(":/cursors/eraser.svg", 2, 29);
        default:
            return QCursor(Qt::ArrowCursor);
    }
}
