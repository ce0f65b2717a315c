#include "main/wizard/PointListColumns.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>

#include "platform/NumberFormat.h"

QString CPointListColumns::Line(double x, double y)
{
    return QString::fromStdString(FormatG(x)).leftJustified(kXColumnWidth) + QLatin1Char(' ') +
           QString::fromStdString(FormatG(y));
}

void CPointListColumns::SetUp(QListWidget& list, QLabel* pXLabel)
{
    list.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    if (pXLabel == nullptr)
        return;
    // The list's frame and the item's text margin come before the first character.
    const int nTextMargin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    const int nColumn =
        QFontMetrics(list.font()).horizontalAdvance(QString(kXColumnWidth + 1, QLatin1Char(' ')));
    pXLabel->setFixedWidth(list.frameWidth() + nTextMargin + nColumn);
}
