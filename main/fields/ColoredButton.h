#pragma once

#include <cstdint>

#include <QPushButton>

// A push button whose face, 2 pixels inside its border, is filled with one colour: the
// colour buttons of the densitometry dialog and the swatch of the threshold colour. The
// colour is a pixel word 0xAARRGGBB (only red, green and blue count).
class CColoredButton : public QPushButton {
    Q_OBJECT
public:
    explicit CColoredButton(QWidget* pParent = nullptr);

    uint32_t GetColor() const { return m_Color; }
    // Repaints the face.
    void SetColor(uint32_t color);

    // A pixel word as a Qt colour.
    static QColor ToQColor(uint32_t color);

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    uint32_t m_Color = 0xFF000000u;
};
