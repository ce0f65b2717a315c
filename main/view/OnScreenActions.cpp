#include "main/view/OnScreenActions.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

COnScreenActions::COnScreenActions(QWidget& widget) : QObject(&widget), m_Widget(widget)
{
    m_Widget.installEventFilter(this);
}

bool COnScreenActions::IsOnScreen() const
{
    const QWindow* pWindow = m_Widget.window()->windowHandle();
    return m_Widget.isVisible() && pWindow != nullptr && pWindow->isExposed();
}

void COnScreenActions::Run(std::function<void()> action)
{
    m_Waiting.push_back(std::move(action));
    WatchWindow();
    RunSoon();
}

bool COnScreenActions::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    // The window has its native window from the widget's show event on; the window system
    // exposes it later. The window's state is up to date when the filter sees the event.
    if ((pWatched == &m_Widget && pEvent->type() == QEvent::Show) ||
        (pWatched == m_pWindow && pEvent->type() == QEvent::Expose)) {
        WatchWindow();
        RunSoon();
    }
    return QObject::eventFilter(pWatched, pEvent);
}

void COnScreenActions::WatchWindow()
{
    QWindow* pWindow = m_Widget.window()->windowHandle();
    if (pWindow == m_pWindow)
        return;
    if (m_pWindow != nullptr)
        m_pWindow->removeEventFilter(this);
    m_pWindow = pWindow;
    if (m_pWindow != nullptr)
        m_pWindow->installEventFilter(this);
}

void COnScreenActions::RunSoon()
{
    if (m_Waiting.empty() || m_bRunQueued || !IsOnScreen())
        return;
    m_bRunQueued = true;
    QMetaObject::invokeMethod(this, &COnScreenActions::RunWaiting, Qt::QueuedConnection);
}

void COnScreenActions::RunWaiting()
{
    m_bRunQueued = false;
    // Hidden again in between: the next show or expose brings them back.
    if (!IsOnScreen())
        return;
    const std::vector<std::function<void()>> actions = std::move(m_Waiting);
    m_Waiting.clear();
    for (const auto& action : actions)
        action();
}
