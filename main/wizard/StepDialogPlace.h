#pragma once

#include <optional>

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

// Where the step dialogs of the construction wizards open. The place the user last left one
// at is kept in the user's settings, so that the dialogs come back there, this session and
// the next ones. Before there is one, a dialog opens beside the picture, where it hides
// nothing of it, or, when the view has no room there, at the view's right-hand side.
//
// Positions are screen positions of a dialog's client area (as QWidget::geometry gives
// them); the frame the window manager adds is counted with the margins given.
class CStepDialogPlace {
public:
    // The distance kept from the picture and from the view's edges, in screen pixels.
    static constexpr int kMargin = 10;

    // The place left last, when there is one and it still lies on a screen.
    static std::optional<QPoint> Remembered();
    static void Remember(QPoint place);
    static void Forget();

    // The first place of a dialog of size dialog: right of the picture shown at picture
    // (screen rectangle, empty without one) when it fits into the view's screen rectangle
    // view, else against the view's right edge; at the view's top in both cases.
    static QPoint BesidePicture(const QRect& picture, const QRect& view, QSize dialog, const QMargins& frame);
    // place moved, when needed, so that a dialog of size dialog lies inside the screen that
    // holds place (unchanged when no screen does).
    static QPoint KeptOnScreen(QPoint place, QSize dialog);
};
