#pragma once

#include <functional>
#include <vector>

#include <QObject>
#include <QPointer>

class QWidget;
class QWindow;

// Actions that wait until a widget is on the screen: shown, and its window exposed by the
// window system. Until then the widget does not have the size it shows things at, and at
// start-up the window manager may still be placing and maximising its window. The widget's
// show event and its window's expose event set the actions off, from the event loop; one
// asked for while the widget is on the screen runs from the event loop as well. A widget
// that is never shown runs none.
//
// A child of the widget, which deletes it with its actions.
class COnScreenActions : public QObject {
    Q_OBJECT
public:
    explicit COnScreenActions(QWidget& widget);

    bool IsOnScreen() const;
    void Run(std::function<void()> action);

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    // Follows the expose events of the window the widget is in now.
    void WatchWindow();
    // Runs the waiting actions once the event loop is back, if the widget is on the screen.
    void RunSoon();
    void RunWaiting();

    QWidget& m_Widget;
    QPointer<QWindow> m_pWindow;
    std::vector<std::function<void()>> m_Waiting;
    bool m_bRunQueued = false;
};
