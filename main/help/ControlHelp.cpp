#include "main/help/ControlHelp.h"

#include <QToolTip>
#include <QWidget>

#include "main/adapters/QtText.h"
#include "platform/StringTable.h"

namespace {

void UsePaleYellowPopups()
{
    // The popups take the colours of the tool tips.
    QPalette palette = QToolTip::palette();
    const QColor paleYellow(255, 255, 208);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::ToolTipBase, paleYellow);
    QToolTip::setPalette(palette);
}

}  // namespace

QString CControlHelp::TextOf(const QWidget* pControl)
{
    bool bOk = false;
    const unsigned nId = pControl->property(kControlIdProperty).toUInt(&bOk);
    if (!bOk || !CStringTable::Has(nId))
        return QString();
    return CQtText::String(nId);
}

void CControlHelp::Install(QWidget* pDialog)
{
    UsePaleYellowPopups();
    for (QWidget* pControl : pDialog->findChildren<QWidget*>()) {
        const QString strText = TextOf(pControl);
        // As rich text, a long help text wraps to the popup's width.
        if (!strText.isEmpty())
            pControl->setToolTip(
                QStringLiteral("<p>%1</p>")
                    .arg(strText.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"))));
    }
}
