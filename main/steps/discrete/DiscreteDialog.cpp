#include "main/steps/discrete/DiscreteDialog.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include <QListWidget>
#include <QPushButton>

#include "Dm/CoordSyst.h"
#include "Dm/DiscreteCurve.h"
#include "Dm/PlotvaneDoc.h"
#include "main/view/GraphMessage.h"
#include "main/view/PlotvaneView.h"
#include "main/wizard/PointListColumns.h"
#include "main/adapters/QtText.h"
#include "platform/MessageService.h"
#include "platform/StringIds.h"
#include "ui_DiscreteDialog.h"

CDiscreteDialog::CDiscreteDialog(CPlotvaneView& view, CSequence& sequence, CDiscreteCurve& curve)
    : CConstructionDialog(IDD, view, sequence),
      m_Curve(curve),
      m_pCoordSyst(curve.GetCoordSyst()),
      m_pUi(std::make_unique<Ui::CDiscreteDialog>())
{
    m_pUi->setupUi(this);
    CPointListColumns::SetUp(*m_pUi->pointList, m_pUi->xColumnLabel);
    setWindowTitle(tr("Graph construction - Points picking"));
    BindWizardButtons(m_pUi->nextButton, m_pUi->previousButton, m_pUi->cancelButton, m_pUi->helpButton);
    m_pUi->nameEdit->setText(CQtText::ToQString(m_Curve.GetName()));

    connect(m_pUi->deleteButton, &QPushButton::clicked, this, &CDiscreteDialog::OnDelete);
    connect(m_pUi->sortButton, &QPushButton::clicked, this, &CDiscreteDialog::OnSort);
    connect(m_pUi->pointList, &QListWidget::itemSelectionChanged, this, &CDiscreteDialog::UpdateButtons);
    connect(m_pUi->nameEdit, &QLineEdit::textChanged, this, &CDiscreteDialog::UpdateNextButton);

    FillList();
    SetCursorKind(CURSOR_CROSS);
}

CDiscreteDialog::~CDiscreteDialog() = default;

void CDiscreteDialog::FillList()
{
    m_pUi->pointList->clear();
    for (const CPoint& point : m_Curve.GetPoints())
        AddLine(point);
    UpdateButtons();
}

void CDiscreteDialog::AddLine(const CPoint& point)
{
    const CLogicPoint graph = m_pCoordSyst != nullptr ? m_pCoordSyst->PixelToGraph(point) : CLogicPoint();
    auto* pItem = new QListWidgetItem(CPointListColumns::Line(graph.x, graph.y));
    // The line's point is the curve's point at the same position.
    pItem->setData(Qt::UserRole, m_pUi->pointList->count());
    m_pUi->pointList->addItem(pItem);
}

void CDiscreteDialog::UpdateButtons()
{
    m_pUi->sortButton->setEnabled(m_pUi->pointList->count() > 1);
    m_pUi->deleteButton->setEnabled(!m_pUi->pointList->selectedItems().isEmpty());
}

void CDiscreteDialog::UpdateAllViews()
{
    GetView().GetDocument().UpdateAllViews();
}

void CDiscreteDialog::OnGraphButtonUp(unsigned /*nFlags*/, CPoint point)
{
    m_Curve.AppendPoint(point.x, point.y);
    AddLine(point);
    UpdateButtons();
    UpdateNextButton();
    UpdateAllViews();
}

void CDiscreteDialog::OnDelete()
{
    const QList<QListWidgetItem*> selected = m_pUi->pointList->selectedItems();
    if (selected.isEmpty()) {
        AfxMessageBox(IDS_NO_POINT_SELECTED, CMessageService::Icon::Information);
        return;
    }
    // Every selected line, however many: the positions are taken before any point goes.
    std::vector<int> positions;
    positions.reserve(static_cast<size_t>(selected.size()));
    for (const QListWidgetItem* pItem : selected)
        positions.push_back(pItem->data(Qt::UserRole).toInt());
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    std::vector<CCurve::PointList::iterator> doomed;
    auto pos = m_Curve.GetPoints().begin();
    int nIndex = 0;
    for (int nPosition : positions) {
        if (nPosition < nIndex || nPosition >= static_cast<int>(m_Curve.GetPointCount()))
            continue;
        std::advance(pos, nPosition - nIndex);
        nIndex = nPosition;
        doomed.push_back(pos);
    }
    for (auto doomedPos : doomed)
        m_Curve.RemovePoint(doomedPos);
    FillList();
    UpdateNextButton();
    UpdateAllViews();
}

void CDiscreteDialog::OnSort()
{
    m_Curve.SortPointsByX();
    FillList();
    UpdateAllViews();
}

bool CDiscreteDialog::CanGoNext() const
{
    return !m_pUi->nameEdit->text().isEmpty() && m_pUi->pointList->count() >= 1;
}

bool CDiscreteDialog::Validate()
{
    return CheckCurveName(&m_Curve, m_pUi->nameEdit->text());
}

void CDiscreteDialog::Commit()
{
    const std::string strName = CQtText::FromQString(m_pUi->nameEdit->text());
    m_pUi->pointList->clear();
    if (strName != m_Curve.GetName())
        m_Curve.SetName(strName);
}
