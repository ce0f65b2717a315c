#include "main/help/ContextHelpFilter.h"

#include <QEvent>
#include <QWhatsThis>
#include <QWidget>

#include "main/help/HelpWindow.h"

bool CContextHelpFilter::eventFilter(QObject* pObject, QEvent* pEvent)
{
    const QEvent::Type type = pEvent->type();
    if ((type != QEvent::WhatsThis && type != QEvent::QueryWhatsThis) || !pObject->isWidgetType())
        return false;
    auto* pWidget = static_cast<QWidget*>(pObject);
    const std::optional<unsigned> context = CHelpWindow::FindHelpContext(pWidget);
    if (!context)
        return false;
    pEvent->accept();
    if (type == QEvent::WhatsThis) {
        // As Qt does when it shows a widget's own text: the help mode ends with the click.
        QWhatsThis::leaveWhatsThisMode();
        CHelpWindow::ShowContext(*context, *pWidget);
    }
    return true;
}
