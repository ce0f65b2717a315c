#pragma once

#include <cstdint>

class CColorScale;
class CColorScaleButton;
class CColoredButton;
class CValueEdit;
class QWidget;

// The controls that edit a two-colour scale, wherever a dialog or page shows one: the top
// and bottom colour buttons, the gradient button between them and the two "Related value"
// fields. The controls belong to their dialog; this only shows a scale in them, opens the
// colour chooser for their buttons and reads them back into a scale, with the refusals
// shown to the user. Colours are pixel words 0xAARRGGBB.
class CColorScaleControls {
public:
    CColorScaleControls(CColoredButton& topColor, CColoredButton& bottomColor, CColorScaleButton& gradient,
                        CValueEdit& topValue, CValueEdit& bottomValue);

    // The scale's colours on the buttons and the gradient, its values in the fields.
    void Show(const CColorScale& scale);
    // The colour of one end, on its button and the gradient.
    void SetColor(bool bTop, uint32_t color);
    uint32_t GetColor(bool bTop) const;
    // Opens the colour chooser on one end's colour; true when a different colour was
    // confirmed, which the button and the gradient then show.
    bool ChooseColor(bool bTop, QWidget* pParent);
    // Writes the colours and values into scale. An empty field (top first), then a scale
    // that Validate refuses, is told to the user with the keyboard on the field to correct,
    // and gives false; the scale then may hold the values read so far.
    bool ReadInto(CColorScale& scale) const;

private:
    void FocusValue(bool bTop) const;

    CColoredButton& m_TopColor;
    CColoredButton& m_BottomColor;
    CColorScaleButton& m_Gradient;
    CValueEdit& m_TopValue;
    CValueEdit& m_BottomValue;
};
