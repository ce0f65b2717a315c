#pragma once

#include <optional>

#include <QUrl>
#include <QWidget>

class QAbstractButton;
class QTextBrowser;

// The program's help window: a topic page whose links lead to other topics, with Back,
// Forward and Contents. A help context (CHelpTopics) opens in one of two windows by name:
// the contents and the main window's topic in "DefaultWindow", the topics of dialogs and
// commands in "CommandWindow". Each name has one window, made on first use and kept (hidden
// when closed) by the top window it belongs to; a modal dialog keeps its own, which stays
// usable while the dialog is open. The topics are in the language of CHelpTopics.
class CHelpWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kDefaultWindow = "DefaultWindow";
    static constexpr const char* kCommandWindow = "CommandWindow";

    CHelpWindow(const QString& strName, QWidget* pOwner);

    // The name of the window that shows a help context.
    static QString WindowNameFor(unsigned nContext);
    // Shows the topic of nContext (the contents when it has none) in the window of its name,
    // belonging to the modal dialog that from is in, else to from's top window.
    static CHelpWindow* ShowContext(unsigned nContext, QWidget& from);
    // Gives a window its help context: what its Help button and F1 show (ShowHelpOf) and
    // what a click on it shows in the help mode, also when the title bar's "?" started it.
    static void SetHelpContext(QWidget& window, unsigned nContext);
    // The help context of the nearest window around pWidget that has one.
    static std::optional<unsigned> FindHelpContext(const QWidget* pWidget);
    // Shows the topic of the window's help context (the contents when it has none).
    static CHelpWindow* ShowHelpOf(QWidget& window);
    // The help keys of a window that is not the main window's: F1 shows the topic of the
    // focused part of the window (the window's own topic but in a page with a topic of its
    // own), Shift+F1 enters the help mode.
    static void AddHelpKeys(QWidget& window);
    // The help of a dialog of template number nResourceId: its help context, F1 and Shift+F1,
    // and its Help button (may be null) showing the topic.
    static void SetUpDialogHelp(QWidget& dialog, unsigned nResourceId, QAbstractButton* pHelpButton);
    // The help mode (Shift+F1): the pointer asks "what is this?", and a click on a window
    // with a help context opens its topic.
    static void EnterHelpMode();

    // Shows the topic of nContext here.
    void ShowTopic(unsigned nContext);
    QUrl GetPage() const;
    QTextBrowser* GetBrowser() const { return m_pBrowser; }

private:
    // The help mode's clicks, whether Shift+F1 or the title bar's "?" started it, open the
    // topic of the window clicked (CContextHelpFilter).
    static void InstallContextHelpFilter();
    void UpdateTitle();

    QTextBrowser* m_pBrowser = nullptr;
};
