#pragma once

#include <cstdint>
#include <memory>

#include <QDialog>

namespace Ui {
class CColorChooseDialog;
}
class QLineEdit;
class QSlider;

// The colour chooser "Color": three vertical sliders, red, green and blue, with the top
// meaning 255 (a slider's position is 255 minus its channel), a number field under each and
// a sample of the colour. Used on its own by whoever needs a colour typed or slid: open it
// with a colour, and after OK read GetColor. Colours are pixel words 0xAARRGGBB.
class CColorChooseDialog : public QDialog {
    Q_OBJECT
public:
    // The dialog's template number, which names its help topic.
    static constexpr unsigned IDD = 134;

    explicit CColorChooseDialog(uint32_t color, QWidget* pParent = nullptr);
    ~CColorChooseDialog() override;

    uint32_t GetColor() const;
    int GetChannel(int nChannel) const { return m_nChannels[nChannel]; }

    // Opens the chooser modally on color; true with the chosen colour in color when
    // confirmed with a different one.
    static bool Choose(uint32_t& color, QWidget* pParent);

    // ---- The user's actions (0 red, 1 green, 2 blue).
    void OnSliderMoved(int nChannel, int nPosition);
    void OnFieldEdited(int nChannel);

private:
    QSlider* Slider(int nChannel) const;
    QLineEdit* Field(int nChannel) const;
    void ShowSample();

    int m_nChannels[3] = {0, 0, 0};
    std::unique_ptr<Ui::CColorChooseDialog> m_pUi;
};
