#include "main/steps/densito/DensitometryDialog.h"

#include <QIcon>
#include <QPushButton>

#include "Dm/ColorScale.h"
#include "Dm/DensityCurve.h"
#include "Dm/PlotvaneDoc.h"
#include "Dm/SettingsManager.h"
#include "main/fields/ColorScaleControls.h"
#include "main/steps/densito/DensitoDlgDrawState.h"
#include "main/steps/densito/DensitoDlgWaitState.h"
#include "main/steps/densito/DensitoPreviewWnd.h"
#include "main/view/PlotvaneView.h"
#include "main/adapters/QtText.h"
#include "ui_DensitometryDialog.h"

CDensitometryDialog::CDensitometryDialog(CPlotvaneView& view, CSequence& sequence, CDensityCurve& curve)
    : CConstructionDialog(IDD_DENSITOMETRY, view, sequence),
      m_Curve(curve),
      m_pUi(std::make_unique<Ui::CDensitometryDialog>())
{
    m_pUi->setupUi(this);
    m_pScale = std::make_unique<CColorScaleControls>(*m_pUi->topColorButton, *m_pUi->bottomColorButton,
                                                     *m_pUi->scaleButton, *m_pUi->topValueEdit,
                                                     *m_pUi->bottomValueEdit);
    BindWizardButtons(m_pUi->nextButton, m_pUi->previousButton, m_pUi->cancelButton, m_pUi->helpButton);
    const QIcon pipette(QStringLiteral(":/cursors/pipette.svg"));
    m_pUi->pickTopButton->setIcon(pipette);
    m_pUi->pickBottomButton->setIcon(pipette);

    connect(m_pUi->drawSegmentButton, &QPushButton::clicked, this, &CDensitometryDialog::OnDrawButton);
    connect(m_pUi->pickTopButton, &QPushButton::clicked, this, [this] { OnPickButton(true); });
    connect(m_pUi->pickBottomButton, &QPushButton::clicked, this, [this] { OnPickButton(false); });
    connect(m_pUi->topColorButton, &QPushButton::clicked, this, [this] { OnColorButton(true); });
    connect(m_pUi->bottomColorButton, &QPushButton::clicked, this, [this] { OnColorButton(false); });
    connect(m_pUi->useAsDefaultButton, &QPushButton::clicked, this, &CDensitometryDialog::OnUseAsDefault);
    connect(m_pUi->previewButton, &QPushButton::clicked, this, &CDensitometryDialog::OnPreview);
    for (CValueEdit* pEdit : {m_pUi->topValueEdit, m_pUi->bottomValueEdit})
        connect(pEdit, &QLineEdit::textEdited, this, [this] { m_Curve.SetModified(true); });

    m_pUi->nameEdit->setText(CQtText::ToQString(m_Curve.GetName()));
    m_pScale->Show(m_Curve.GetColorScale());
    if (m_Curve.HasSegment()) {
        Transition(std::make_unique<CDensitoDlgWaitState>(*this));
    } else {
        m_pUi->previewButton->setEnabled(false);
        Transition(std::make_unique<CDensitoDlgDrawState>(*this));
    }
    UpdateNextButton();
}

// The preview window, a child window of the dialog, goes with it.
CDensitometryDialog::~CDensitometryDialog() = default;

void CDensitometryDialog::Transition(std::unique_ptr<CDensitoDlgAbstractState> pNext)
{
    if (pNext == nullptr)
        return;
    m_pState = std::move(pNext);
    m_pState->Enter();
}

// ---- Wizard

bool CDensitometryDialog::CanGoNext() const
{
    return m_Curve.HasSegment();
}

bool CDensitometryDialog::Validate()
{
    return ValidateScale();
}

void CDensitometryDialog::Commit()
{
    const std::string strName = CQtText::FromQString(m_pUi->nameEdit->text());
    if (strName != m_Curve.GetName())
        m_Curve.SetName(strName);
    m_Curve.Sample();
}

bool CDensitometryDialog::ValidateScale()
{
    return m_pScale->ReadInto(m_Curve.GetColorScale());
}

// ---- Controls

void CDensitometryDialog::OnDrawButton()
{
    Transition(m_pState->OnDrawButton());
}

void CDensitometryDialog::OnPickButton(bool bTop)
{
    Transition(m_pState->OnPickButton(bTop));
}

void CDensitometryDialog::OnColorButton(bool bTop)
{
    if (m_pScale->ChooseColor(bTop, this))
        m_Curve.SetModified(true);
}

void CDensitometryDialog::OnUseAsDefault()
{
    if (!ValidateScale())
        return;
    if (CSettingsManager* pSettings = GetSettingsManager())
        pSettings->SetDensityDefaults(m_Curve.GetColorScale());
}

void CDensitometryDialog::OnPreview()
{
    if (!ValidateScale())
        return;
    m_Curve.Sample();
    if (m_pPreview == nullptr) {
        m_pPreview = new CDensitoPreviewWnd(this, m_Curve);
        connect(m_pPreview, &CDensitoPreviewWnd::Closed, this, &CDensitometryDialog::OnPreviewClosed);
    }
    m_pPreview->show();
    m_pPreview->update();
    m_pPreview->raise();
    m_pPreview->activateWindow();
}

CDensitoPreviewWnd* CDensitometryDialog::GetPreview() const
{
    return m_pPreview.data();
}

void CDensitometryDialog::OnPreviewClosed()
{
    m_pPreview = nullptr;
}

// ---- The view's mouse

void CDensitometryDialog::OnGraphButtonDown(unsigned nFlags, CPoint point)
{
    Transition(m_pState->OnButtonDown(nFlags, point));
}

void CDensitometryDialog::OnGraphDrag(unsigned nFlags, CPoint point)
{
    Transition(m_pState->OnMouseMove(nFlags, point));
}

void CDensitometryDialog::OnGraphButtonUp(unsigned nFlags, CPoint point)
{
    Transition(m_pState->OnButtonUp(nFlags, point));
}

void CDensitometryDialog::OnGraphScrollStop(unsigned nFlags, CPoint point)
{
    Transition(m_pState->OnScrollStop(nFlags, point));
}

void CDensitometryDialog::hideEvent(QHideEvent* pEvent)
{
    if (m_pState != nullptr)
        m_pState->OnDialogHidden();
    if (m_pPreview != nullptr)
        m_pPreview->close();
    CConstructionDialog::hideEvent(pEvent);
}

// ---- For the states

void CDensitometryDialog::CheckButtons(bool bDraw, bool bPickTop, bool bPickBottom)
{
    m_pUi->drawSegmentButton->setChecked(bDraw);
    m_pUi->pickTopButton->setChecked(bPickTop);
    m_pUi->pickBottomButton->setChecked(bPickBottom);
}

void CDensitometryDialog::SetScaleColor(bool bTop, uint32_t color)
{
    m_pScale->SetColor(bTop, color);
    m_Curve.SetModified(true);
}

uint32_t CDensitometryDialog::GetScaleColor(bool bTop) const
{
    return m_pScale->GetColor(bTop);
}

void CDensitometryDialog::OnSegmentDrawn()
{
    UpdateNextButton();
    m_pUi->previewButton->setEnabled(true);
    GetView().GetDocument().UpdateAllViews();
}
