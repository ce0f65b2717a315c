#pragma once

#include <memory>

#include <QDialog>

#include "platform/Point.h"

namespace Ui {
class CContinuousAdvOptDlg;
}
class CContinuousCurve;
class QLineEdit;
class QSlider;

// "Continuous curve : advanced options", opened from the curve-identification dialog
// (which it disables while open): the threshold colour that tells the line's ink from the
// background (slid, typed or picked on the picture) and the thickness compensation, flat
// or smart with its range, and whether results follow the sub-pixel centre of the line. OK
// applies them and rebuilds the curve when something changed (CurveRebuilt). While "Pick
// from bitmap" is checked it wants the pipette over the picture (CursorWanted); Closed
// tells that it went.
class CContinuousAdvOptDlg : public QDialog {
    Q_OBJECT
public:
    // The dialog's template number, which names its help topic.
    static constexpr unsigned IDD = 164;

    // pParent: the window the dialog belongs to (the view).
    CContinuousAdvOptDlg(CContinuousCurve& curve, QWidget* pParent);
    ~CContinuousAdvOptDlg() override;

    // ---- The user's actions (0 red, 1 green, 2 blue).
    void OnSliderMoved(int nChannel, int nPosition);
    void OnValueEdited(int nChannel);
    void OnCompensationChosen();
    void OnPickFromBitmap();
    // A click on the picture, forwarded by the parent.
    void OnPick(unsigned nFlags, CPoint point);
    void accept() override;
    void reject() override;

    bool IsDirty() const { return m_bDirty; }
    QLineEdit* ValueEdit(int nChannel) const;
    QSlider* Slider(int nChannel) const;
    uint32_t GetSwatchColor() const;

signals:
    // The cursor kind wanted over the picture (main/view/GraphMessage.h).
    void CursorWanted(int nKind);
    void CurveRebuilt();
    void Closed();

private:
    // The component typed in an edit; -1 when it is no number.
    int ReadValue(int nChannel) const;
    // The components of color into the edits and the sliders, then the swatch.
    void ShowComponents(uint32_t color);
    void ShowColor();
    void Close();

    CContinuousCurve& m_Curve;
    int m_nComponents[3] = {0, 0, 0};
    bool m_bSmart = true;
    bool m_bDirty = false;
    std::unique_ptr<Ui::CContinuousAdvOptDlg> m_pUi;
};
