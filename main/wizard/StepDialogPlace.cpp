#include "main/wizard/StepDialogPlace.h"

#include <algorithm>

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

#include "main/adapters/SettingsStoreFile.h"

namespace {

const char* const kPlaceKey = "Window/StepDialogPlace";

}  // namespace

std::optional<QPoint> CStepDialogPlace::Remembered()
{
    const QVariant value = CSettingsStoreFile::Get().OpenSettings().value(QLatin1String(kPlaceKey));
    if (!value.canConvert<QPoint>())
        return std::nullopt;
    const QPoint place = value.toPoint();
    // The screens may have changed since: a place on none would hide the dialog.
    if (QGuiApplication::screenAt(place) == nullptr)
        return std::nullopt;
    return place;
}

void CStepDialogPlace::Remember(QPoint place)
{
    CSettingsStoreFile::Get().OpenSettings().setValue(QLatin1String(kPlaceKey), place);
}

void CStepDialogPlace::Forget()
{
    CSettingsStoreFile::Get().OpenSettings().remove(QLatin1String(kPlaceKey));
}

QPoint CStepDialogPlace::BesidePicture(const QRect& picture, const QRect& view, QSize dialog,
                                       const QMargins& frame)
{
    const int nTop = view.top() + kMargin + frame.top();
    const int nBeside = picture.isEmpty() ? view.left() : picture.right() + 1;
    const int nLeft = nBeside + kMargin + frame.left();
    if (nLeft + dialog.width() + frame.right() + kMargin <= view.right() + 1)
        return QPoint(nLeft, nTop);
    return QPoint(view.right() + 1 - kMargin - frame.right() - dialog.width(), nTop);
}

QPoint CStepDialogPlace::KeptOnScreen(QPoint place, QSize dialog)
{
    const QScreen* pScreen = QGuiApplication::screenAt(place);
    if (pScreen == nullptr)
        return place;
    const QRect room = pScreen->availableGeometry();
    return QPoint(
        std::clamp(place.x(), room.left(), std::max(room.left(), room.right() + 1 - dialog.width())),
        std::clamp(place.y(), room.top(), std::max(room.top(), room.bottom() + 1 - dialog.height())));
}
