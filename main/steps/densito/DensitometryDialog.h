#pragma once

#include <cstdint>
#include <memory>

#include <QPointer>

#include "main/wizard/ConstructionDialog.h"

namespace Ui {
class CDensitometryDialog;
}
class CColorScaleControls;
class CDensityCurve;
class CDensitoDlgAbstractState;
class CDensitoPreviewWnd;
class QAbstractButton;

// The wizard step "Graph construction - Densitometry": the user draws the density segment
// on the graph view, sets the two-colour scale (colours typed, slid or picked on the
// picture, and the value each stands for), names the curve and may preview the density
// along the segment. What the mouse does depends on the state: waiting, drawing the
// segment, or picking a colour. "Finish" is offered once the curve has a segment.
class CDensitometryDialog : public CConstructionDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD_DENSITOMETRY = 180;

    CDensitometryDialog(CPlotvaneView& view, CSequence& sequence, CDensityCurve& curve);
    ~CDensitometryDialog() override;

    // The curve has a segment.
    bool CanGoNext() const override;
    // Both values given, then the scale written into the curve and checked.
    bool Validate() override;
    // The name to the curve, which is sampled.
    void Commit() override;

    // ---- The user's actions on the controls.
    void OnDrawButton();
    void OnPickButton(bool bTop);
    // A colour button clicked: the colour chooser on that colour.
    void OnColorButton(bool bTop);
    void OnUseAsDefault();
    void OnPreview();
    // The preview window has gone (its message 114): a new one is made next time.
    void OnPreviewClosed();

    // ---- What the states work with.
    CDensityCurve& GetCurve() const { return m_Curve; }
    // Presses or releases "Draw segment " and the two pick buttons.
    void CheckButtons(bool bDraw, bool bPickTop, bool bPickBottom);
    // The colour of one end of the scale, shown by its button and the gradient; the curve
    // becomes modified.
    void SetScaleColor(bool bTop, uint32_t color);
    uint32_t GetScaleColor(bool bTop) const;
    // A segment was stored: "Finish" and "Preview" enabled, the views repainted.
    void OnSegmentDrawn();
    CDensitoDlgAbstractState* GetState() const { return m_pState.get(); }
    // The preview window while it is open.
    CDensitoPreviewWnd* GetPreview() const;

protected:
    void OnGraphButtonDown(unsigned nFlags, CPoint point) override;
    void OnGraphDrag(unsigned nFlags, CPoint point) override;
    void OnGraphButtonUp(unsigned nFlags, CPoint point) override;
    void OnGraphScrollStop(unsigned nFlags, CPoint point) override;
    void hideEvent(QHideEvent* pEvent) override;

private:
    void Transition(std::unique_ptr<CDensitoDlgAbstractState> pNext);
    // The validation of "Use as default", "Preview" and "Finish".
    bool ValidateScale();

    CDensityCurve& m_Curve;
    std::unique_ptr<CDensitoDlgAbstractState> m_pState;
    QPointer<CDensitoPreviewWnd> m_pPreview;
    std::unique_ptr<Ui::CDensitometryDialog> m_pUi;
    std::unique_ptr<CColorScaleControls> m_pScale;
};
