#include "main/ControlHelp.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QToolTip>
#include <QWhatsThis>
#include <QWidget>

#include "main/QtText.h"
#include "platform/StringTable.h"

namespace {

// Shows the help of the focused control when F1 is pressed in the dialog.
class CF1Filter : public QObject {
public:
    explicit CF1Filter(QObject* pParent) : QObject(pParent) {}

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(pEvent)->key() == Qt::Key_F1 &&
            static_cast<QKeyEvent*>(pEvent)->modifiers() == Qt::NoModifier) {
            const QWidget* pFocus = QApplication::focusWidget();
            auto* pDialog = qobject_cast<QWidget*>(parent());
            if (pFocus != nullptr && pDialog != nullptr && pDialog->isAncestorOf(pFocus)) {
                const QString strText = CControlHelp::TextOf(pFocus);
                if (!strText.isEmpty()) {
                    QWhatsThis::showText(QCursor::pos(), strText, pDialog);
                    return true;
                }
            }
        }
        return QObject::eventFilter(pWatched, pEvent);
    }
};

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
        if (!strText.isEmpty())
            pControl->setWhatsThis(strText);
    }
    auto* pFilter = new CF1Filter(pDialog);
    pDialog->installEventFilter(pFilter);
    for (QWidget* pControl : pDialog->findChildren<QWidget*>())
        pControl->installEventFilter(pFilter);
}
