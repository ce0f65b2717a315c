#pragma once

#include <QObject>

// Answers the "what is this?" questions of the help mode for every widget of the program:
// a widget inside a window with a help context (CHelpWindow::SetHelpContext) shows the
// what's-this pointer, and a click on it leaves the help mode and opens that window's topic.
// Installed on the application once, by CHelpWindow::EnterHelpMode.
class CContextHelpFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;
};
