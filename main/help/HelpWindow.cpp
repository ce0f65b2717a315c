#include "main/help/HelpWindow.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWhatsThis>

#include "main/frame/CommandIds.h"
#include "main/help/ContextHelpFilter.h"
#include "main/help/HelpTopics.h"

namespace {

constexpr const char* kHelpContextProperty = "plotvaneHelpContext";

// The window that keeps the help windows opened from a widget: the modal dialog it is in,
// so that its help can be read while it is open, else its outermost window.
QWidget& HelpOwnerOf(QWidget& from)
{
    QWidget* pWindow = from.window();
    while (!pWindow->isModal() && pWindow->parentWidget() != nullptr)
        pWindow = pWindow->parentWidget()->window();
    return *pWindow;
}

}  // namespace

CHelpWindow::CHelpWindow(const QString& strName, QWidget* pOwner) : QWidget(pOwner, Qt::Window)
{
    setObjectName(strName);
    // A click on the help itself in the help mode leads to the contents.
    SetHelpContext(*this, 0);

    auto* pContents = new QPushButton(tr("Contents"), this);
    auto* pBack = new QPushButton(tr("Back"), this);
    auto* pForward = new QPushButton(tr("Forward"), this);
    m_pBrowser = new QTextBrowser(this);
    m_pBrowser->setOpenExternalLinks(true);
    pBack->setEnabled(false);
    pForward->setEnabled(false);

    auto* pButtons = new QHBoxLayout;
    pButtons->addWidget(pContents);
    pButtons->addWidget(pBack);
    pButtons->addWidget(pForward);
    pButtons->addStretch();
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pButtons);
    pLayout->addWidget(m_pBrowser);

    connect(pContents, &QPushButton::clicked, this, [this] { ShowTopic(0); });
    connect(pBack, &QPushButton::clicked, m_pBrowser, &QTextBrowser::backward);
    connect(pForward, &QPushButton::clicked, m_pBrowser, &QTextBrowser::forward);
    connect(m_pBrowser, &QTextBrowser::backwardAvailable, pBack, &QPushButton::setEnabled);
    connect(m_pBrowser, &QTextBrowser::forwardAvailable, pForward, &QPushButton::setEnabled);
    connect(m_pBrowser, &QTextBrowser::sourceChanged, this, &CHelpWindow::UpdateTitle);
    UpdateTitle();
    resize(640, 560);
}

QString CHelpWindow::WindowNameFor(unsigned nContext)
{
    const bool bDefault = nContext == 0 || nContext == HID_MAIN_WINDOW;
    return QLatin1String(bDefault ? kDefaultWindow : kCommandWindow);
}

CHelpWindow* CHelpWindow::ShowContext(unsigned nContext, QWidget& from)
{
    QWidget& owner = HelpOwnerOf(from);
    const QString strName = WindowNameFor(nContext);
    auto* pWindow = owner.findChild<CHelpWindow*>(strName, Qt::FindDirectChildrenOnly);
    if (pWindow == nullptr)
        pWindow = new CHelpWindow(strName, &owner);
    pWindow->ShowTopic(nContext);
    pWindow->show();
    pWindow->raise();
    pWindow->activateWindow();
    return pWindow;
}

void CHelpWindow::SetHelpContext(QWidget& window, unsigned nContext)
{
    window.setProperty(kHelpContextProperty, nContext);
    InstallContextHelpFilter();
}

std::optional<unsigned> CHelpWindow::FindHelpContext(const QWidget* pWidget)
{
    for (; pWidget != nullptr; pWidget = pWidget->parentWidget()) {
        const QVariant context = pWidget->property(kHelpContextProperty);
        if (context.isValid())
            return context.toUInt();
    }
    return std::nullopt;
}

CHelpWindow* CHelpWindow::ShowHelpOf(QWidget& window)
{
    return ShowContext(FindHelpContext(&window).value_or(0), window);
}

void CHelpWindow::AddHelpKeys(QWidget& window)
{
    auto* pHelp = new QShortcut(QKeySequence(Qt::Key_F1), &window);
    connect(pHelp, &QShortcut::activated, &window, [&window] {
        QWidget* pFocus = window.focusWidget();
        ShowHelpOf(pFocus != nullptr && window.isAncestorOf(pFocus) ? *pFocus : window);
    });
    auto* pHelpMode = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1), &window);
    connect(pHelpMode, &QShortcut::activated, pHelpMode, &CHelpWindow::EnterHelpMode);
}

void CHelpWindow::SetUpDialogHelp(QWidget& dialog, unsigned nResourceId, QAbstractButton* pHelpButton)
{
    SetHelpContext(dialog, CHelpTopics::ContextOf(nResourceId));
    AddHelpKeys(dialog);
    if (pHelpButton != nullptr)
        connect(pHelpButton, &QAbstractButton::clicked, &dialog, [&dialog] { ShowHelpOf(dialog); });
}

void CHelpWindow::InstallContextHelpFilter()
{
    if (qApp->findChild<CContextHelpFilter*>(QString(), Qt::FindDirectChildrenOnly) == nullptr)
        qApp->installEventFilter(new CContextHelpFilter(qApp));
}

void CHelpWindow::EnterHelpMode()
{
    InstallContextHelpFilter();
    QWhatsThis::enterWhatsThisMode();
}

void CHelpWindow::ShowTopic(unsigned nContext)
{
    m_pBrowser->setSource(CHelpTopics::Installed().PageUrl(nContext, CHelpTopics::CurrentLanguage()));
}

QUrl CHelpWindow::GetPage() const
{
    return m_pBrowser->source();
}

void CHelpWindow::UpdateTitle()
{
    const QString strTopic = m_pBrowser->documentTitle();
    setWindowTitle(strTopic.isEmpty() ? tr("Plotvane Help")
                                      : tr("%1 - Plotvane Help", "%1: the title of the topic").arg(strTopic));
}
