#pragma once

#include <QComboBox>

// The zoom window's combo box: its list of zooms, and an edit field that keeps only the
// decimal digits of what is typed into it. Return applies the typed zoom when it lies in
// the range; beyond it, a tip under the field gives the range and nothing is applied.
class CZoomCombo : public QComboBox {
    Q_OBJECT
public:
    explicit CZoomCombo(QWidget* pParent = nullptr);

    void SetRange(int nMin, int nMax);
    // The tip that refuses a zoom out of the range.
    QString RangeMessage() const;

signals:
    void ZoomTyped(int nPercent);

private:
    void KeepDigits(const QString& strText);
    void ApplyTyped();

    int m_nMin = 1;
    int m_nMax = 100;
};
