#include "WizardTestSupport.h"

#include <memory>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "Dm/BmpManager.h"
#include "Dm/CoordSyst.h"
#include "main/steps/axes/AxeDialog.h"
#include "main/frame/ClipboardPicture.h"
#include "main/wizard/ConstructionDialog.h"
#include "main/export/ExportPromptDlg.h"
#include "main/help/HelpWindow.h"
#include "main/fields/ValueEdit.h"

CWizardBench::CWizardBench() : m_View(m_Doc, nullptr), m_Messages(true)
{
    m_View.resize(400, 300);
    m_View.show();
    Settle();
}

CWizardBench::~CWizardBench()
{
    Settle();
}

CConstructionDialog* CWizardBench::Dialog() const
{
    return dynamic_cast<CConstructionDialog*>(m_View.GetAttachedDialog());
}

CAxeDialog* CWizardBench::AxeDialog() const
{
    return dynamic_cast<CAxeDialog*>(m_View.GetAttachedDialog());
}

void CWizardBench::Settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void CWizardBench::DefineAxis(CPoint from, CPoint to, CPoint pick1, const char* pszValue1, CPoint pick2,
                              const char* pszValue2) const
{
    CAxeDialog* pDialog = AxeDialog();
    ASSERT_NE(pDialog, nullptr);
    pDialog->OnGraphMessage(WM_GRAPH_BUTTONDOWN, 0, from);
    pDialog->OnGraphMessage(WM_GRAPH_DRAG, 0, to);
    pDialog->OnGraphMessage(WM_GRAPH_BUTTONUP, 0, to);
    pDialog->OnGraphMessage(WM_GRAPH_BUTTONUP, 0, pick1);
    QTest::keyClicks(pDialog->GetValueEdit(1), QString::fromLatin1(pszValue1));
    pDialog->OnGraphMessage(WM_GRAPH_BUTTONUP, 0, pick2);
    QTest::keyClicks(pDialog->GetValueEdit(2), QString::fromLatin1(pszValue2));
}

void CWizardBench::SetPicture(const QImage& picture)
{
    const std::vector<uint8_t> dib = CClipboardPicture::ToPackedDib(picture);
    ASSERT_TRUE(m_Doc.GetBmpManager()->SetFromScannedDib(dib.data(), dib.size()));
    m_Doc.ReinitializeViews();
}

void CWizardBench::Send(GraphMessage message, CPoint point, unsigned nFlags) const
{
    CConstructionDialog* pDialog = Dialog();
    ASSERT_NE(pDialog, nullptr);
    pDialog->OnGraphMessage(message, nFlags, point);
}

QTimer* WhenModal(std::function<void(QWidget*)> action, bool bExpected)
{
    auto* pTimer = new QTimer(QCoreApplication::instance());
    auto nTries = std::make_shared<int>(500);
    QObject::connect(pTimer, &QTimer::timeout, [pTimer, nTries, action, bExpected] {
        QWidget* pModal = QApplication::activeModalWidget();
        if (pModal == nullptr && --*nTries > 0)
            return;
        pTimer->stop();
        pTimer->deleteLater();
        if (pModal != nullptr)
            action(pModal);
        else
            EXPECT_FALSE(bExpected) << "no modal dialog came";
    });
    pTimer->start(10);
    return pTimer;
}

CCoordSyst* AddUprightCoordSyst(CPlotvaneDoc& doc)
{
    CCoordSyst* pCoordSyst = doc.AddCoordSyst(std::make_unique<CCoordSyst>(&doc));
    pCoordSyst->GetXAxe().SetLine({100, 250}, {300, 250});
    pCoordSyst->GetYAxe().SetLine({100, 250}, {100, 50});
    pCoordSyst->ComputeOrigin();
    pCoordSyst->GetXAxe().GetScalePoint1().SetPosition({100, 250});
    pCoordSyst->GetXAxe().GetScalePoint1().SetValue(0);
    pCoordSyst->GetXAxe().GetScalePoint2().SetPosition({300, 250});
    pCoordSyst->GetXAxe().GetScalePoint2().SetValue(10);
    pCoordSyst->GetYAxe().GetScalePoint1().SetPosition({100, 250});
    pCoordSyst->GetYAxe().GetScalePoint1().SetValue(0);
    pCoordSyst->GetYAxe().GetScalePoint2().SetPosition({100, 50});
    pCoordSyst->GetYAxe().GetScalePoint2().SetValue(100);
    pCoordSyst->ComputeTransform();
    return pCoordSyst;
}

void FinishWithoutExport(CConstructionDialog& dialog)
{
    // The prompt is modal: it is answered from the event loop it runs, while OnNext waits.
    bool bPrompted = false;
    const QPointer<QTimer> pWatch = WhenModal(
        [&bPrompted](QWidget* pModal) {
            auto* pPrompt = qobject_cast<CExportPromptDlg*>(pModal);
            EXPECT_NE(pPrompt, nullptr) << "another dialog came: " << pModal->metaObject()->className();
            if (pPrompt != nullptr) {
                bPrompted = true;
                QTest::mouseClick(pPrompt->findChild<QPushButton*>(QStringLiteral("laterButton")),
                                  Qt::LeftButton);
            } else {
                static_cast<QDialog*>(pModal)->reject();
            }
        },
        false);
    dialog.OnNext();
    delete pWatch.data();
    EXPECT_TRUE(bPrompted) << "no export prompt came";
    CWizardBench::Settle();
}

QUrl TopicShownByF1(QWidget& window)
{
    const auto helpWindows = [] {
        QList<CHelpWindow*> windows;
        for (QWidget* pWidget : QApplication::allWidgets()) {
            if (auto* pHelp = qobject_cast<CHelpWindow*>(pWidget))
                windows << pHelp;
        }
        return windows;
    };
    for (CHelpWindow* pHelp : helpWindows())
        pHelp->hide();
    CWizardBench::Settle();
    window.show();
    window.activateWindow();
    if (!QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; }))
        return QUrl();
    QWidget* pFocus = window.focusWidget();
    QTest::keyClick(pFocus != nullptr ? pFocus : &window, Qt::Key_F1);
    for (CHelpWindow* pHelp : helpWindows()) {
        if (pHelp->isVisible())
            return pHelp->GetPage();
    }
    return QUrl();
}
