#pragma once

#include <cstdint>

#include <QPushButton>

// The button between the two colour buttons of the densitometry dialog: a vertical gradient
// from the top colour (first row) to the bottom colour (last row), pixel words 0xAARRGGBB.
class CColorScaleButton : public QPushButton {
    Q_OBJECT
public:
    explicit CColorScaleButton(QWidget* pParent = nullptr);

    // Each repaints the gradient.
    void SetTopColor(uint32_t color);
    void SetBottomColor(uint32_t color);
    uint32_t GetTopColor() const { return m_TopColor; }
    uint32_t GetBottomColor() const { return m_BottomColor; }

    // The colour of row nRow of nRows: each channel top + trunc(nRow / nRows x (bottom - top)).
    static uint32_t RowColor(uint32_t top, uint32_t bottom, int nRow, int nRows);

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    uint32_t m_TopColor = 0xFF000000u;
    uint32_t m_BottomColor = 0xFFFFFFFFu;
};
