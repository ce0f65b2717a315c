#include "main/wizard/ConstructionDialog.h"

#include <QPushButton>

#include "Dm/PlotvaneDoc.h"
#include "main/help/ControlHelp.h"
#include "main/help/HelpWindow.h"
#include "main/view/PlotvaneView.h"
#include "main/adapters/QtText.h"
#include "main/wizard/Sequence.h"
#include "platform/StringIds.h"

CConstructionDialog::CConstructionDialog(unsigned nTemplateId, CPlotvaneView& view, CSequence& sequence)
    : QDialog(&view,
              Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint),
      m_nTemplateId(nTemplateId),
      m_View(view),
      m_Sequence(sequence)
{
    setModal(false);
    CHelpWindow::SetUpDialogHelp(*this, nTemplateId, nullptr);
    view.AttachDialog(this);
}

CConstructionDialog::~CConstructionDialog() = default;

void CConstructionDialog::showEvent(QShowEvent* pEvent)
{
    if (!m_bPlaced) {
        m_bPlaced = true;
        setGeometry(QRect(m_Sequence.DialogPosFor(size()), size()));
    }
    QDialog::showEvent(pEvent);
}

bool CConstructionDialog::Validate()
{
    return true;
}

bool CConstructionDialog::CanGoNext() const
{
    return true;
}

void CConstructionDialog::Commit() {}

void CConstructionDialog::BindWizardButtons(QPushButton* pNext, QPushButton* pPrevious, QPushButton* pCancel,
                                            QPushButton* pHelp)
{
    m_pNext = pNext;
    m_pPrevious = pPrevious;
    if (pNext != nullptr) {
        pNext->setDefault(true);
        connect(pNext, &QPushButton::clicked, this, &CConstructionDialog::OnNext);
    }
    if (pPrevious != nullptr)
        connect(pPrevious, &QPushButton::clicked, this, &CConstructionDialog::OnPrevious);
    if (pCancel != nullptr)
        connect(pCancel, &QPushButton::clicked, this, &CConstructionDialog::reject);
    if (pHelp != nullptr)
        connect(pHelp, &QPushButton::clicked, this, [this] { CHelpWindow::ShowHelpOf(*this); });
    SetLastStep(false);
    CControlHelp::Install(this);
}

void CConstructionDialog::UpdateNextButton()
{
    if (m_pNext != nullptr)
        m_pNext->setEnabled(CanGoNext());
}

void CConstructionDialog::SetFirstStep(bool bFirst)
{
    if (m_pPrevious == nullptr)
        return;
    m_pPrevious->setEnabled(!bFirst);
    m_pPrevious->setVisible(!bFirst);
}

void CConstructionDialog::SetLastStep(bool bLast)
{
    if (m_pNext != nullptr)
        m_pNext->setText(CQtText::String(bLast ? IDS_FINISH : IDS_NEXT));
}

void CConstructionDialog::SetCursorKind(int nKind)
{
    m_nCursorKind = nKind;
    if (m_View.GetAttachedDialog() == this)
        m_View.UpdateCursor();
}

bool CConstructionDialog::CheckCurveName(const CCurve* pCurve, const QString& strName) const
{
    return m_View.GetDocument().CheckCurveName(pCurve, CQtText::FromQString(strName));
}

void CConstructionDialog::OnGraphMessage(GraphMessage message, unsigned nFlags, CPoint point)
{
    switch (message) {
        case WM_GRAPH_BUTTONDOWN:
            OnGraphButtonDown(nFlags, point);
            break;
        case WM_GRAPH_DRAG:
            OnGraphDrag(nFlags, point);
            break;
        case WM_GRAPH_BUTTONUP:
            OnGraphButtonUp(nFlags, point);
            break;
        case WM_GRAPH_SCROLLDRAG:
            OnGraphScrollDrag(nFlags, point);
            break;
        case WM_GRAPH_SCROLLSTOP:
            OnGraphScrollStop(nFlags, point);
            break;
    }
}

void CConstructionDialog::StorePosition()
{
    // The client area's corner, as showEvent places it: the frame the window manager adds
    // does not make the next dialog creep.
    m_Sequence.SetDialogPos(geometry().x(), geometry().y());
}

void CConstructionDialog::OnNext()
{
    if (!m_bEnded && Validate())
        Leave(+1);
}

void CConstructionDialog::OnPrevious()
{
    if (!m_bEnded)
        Leave(-1);
}

void CConstructionDialog::Leave(int nDelta)
{
    Commit();
    StorePosition();
    m_bEnded = true;
    hide();
    m_Sequence.Move(nDelta);
    deleteLater();
}

void CConstructionDialog::reject()
{
    // A disabled step (a sub-dialog of it open) still gets its close box from the window
    // manager; the sub-dialog is to be answered first.
    if (m_bEnded || !isEnabled())
        return;
    m_bEnded = true;
    m_Sequence.Cancel(this);
    QDialog::reject();
    deleteLater();
}
