#pragma once

#include <QStatusBar>

class QLabel;

// The main window's status bar, five panes: the prompts of menus and toolbar ("For Help,
// press F1" when idle) over the rest of the bar, then the label " X=" (4 w, no border),
// the X value (15 w), the label " Y=" (4 w, no border) and the Y value (15 w), where w is
// the average character width of the bar's font, or 5 when the font reports none.
class CFrameStatusBar : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int kDefaultCharWidth = 5;
    static constexpr int kLabelChars = 4;
    static constexpr int kValueChars = 15;

    explicit CFrameStatusBar(QWidget* pParent = nullptr);

    // Pane 2 and pane 4.
    void SetCoordinateTexts(const QString& strX, const QString& strY);

    // The width unit w of a font's average character width.
    static int CharWidthUnit(int nAverageCharWidth);

    QLabel* GetPane(int nIndex) const;

private:
    QLabel* m_pPanes[5] = {};
};
