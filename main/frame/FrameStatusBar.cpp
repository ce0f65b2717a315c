#include "main/frame/FrameStatusBar.h"

#include <QFontMetrics>
#include <QLabel>

#include "main/adapters/QtText.h"
#include "platform/StringIds.h"

CFrameStatusBar::CFrameStatusBar(QWidget* pParent) : QStatusBar(pParent)
{
    const int w = CharWidthUnit(QFontMetrics(font()).averageCharWidth());
    // Pane 0 is a normal widget of the bar: a prompt shown by a menu or a toolbar button
    // covers it and it comes back when the prompt goes.
    m_pPanes[0] = new QLabel(CQtText::String(IDS_IDLE_MESSAGE), this);
    addWidget(m_pPanes[0], 1);

    const QString texts[4] = {CQtText::String(IDS_INDICATOR_X), QString(), CQtText::String(IDS_INDICATOR_Y),
                              QString()};
    for (int i = 1; i < 5; ++i) {
        const bool bLabel = i % 2 == 1;
        auto* pPane = new QLabel(texts[i - 1], this);
        pPane->setFixedWidth((bLabel ? kLabelChars : kValueChars) * w);
        pPane->setFrameStyle(bLabel ? QFrame::NoFrame : QFrame::Panel | QFrame::Sunken);
        m_pPanes[i] = pPane;
        addPermanentWidget(pPane);
    }
}

int CFrameStatusBar::CharWidthUnit(int nAverageCharWidth)
{
    return nAverageCharWidth > 0 ? nAverageCharWidth : kDefaultCharWidth;
}

void CFrameStatusBar::SetCoordinateTexts(const QString& strX, const QString& strY)
{
    m_pPanes[2]->setText(strX);
    m_pPanes[4]->setText(strY);
}

QLabel* CFrameStatusBar::GetPane(int nIndex) const
{
    return nIndex >= 0 && nIndex < 5 ? m_pPanes[nIndex] : nullptr;
}
