#pragma once

#include <QComboBox>

// The zoom window's combo box: its list of zooms, and an edit field that keeps only the
// decimal digits of what is typed into it. Return applies the typed zoom.
class CZoomCombo : public QComboBox {
    Q_OBJECT
public:
    explicit CZoomCombo(QWidget* pParent = nullptr);

signals:
    void ZoomTyped(int nPercent);

private:
    void KeepDigits(const QString& strText);
};
