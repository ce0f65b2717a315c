#pragma once

#include <QPointer>
#include <QWidget>

#include "main/adapters/QtWaitCursor.h"
#include "platform/MessageService.h"

// The message boxes of the window: modal QMessageBoxes over the main window, titled with
// the application name unless a caption is given, with the icon and buttons asked for.
// The first button is the default one. A box closed without a button (the window
// manager's close) answers Cancel where there is one, No for Yes/No and Ok for Ok.
class CQtMessageService : public CMessageService {
public:
    CQtMessageService() = default;
    CQtMessageService(const CQtMessageService&) = delete;
    CQtMessageService& operator=(const CQtMessageService&) = delete;

    // The window the boxes are modal to; null for none. Not owned.
    void SetParent(QWidget* pParent) { m_pParent = pParent; }

    Answer MessageBox(const std::string& text, Icon icon, Buttons buttons,
                      const std::string& caption = std::string()) override;
    void BeginWaitCursor() override { m_WaitCursor.Begin(); }
    void EndWaitCursor() override { m_WaitCursor.End(); }

private:
    QPointer<QWidget> m_pParent;
    CQtWaitCursor m_WaitCursor;
};
