#include "main/PicturePane.h"

#include <algorithm>

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include "Dm/BmpManager.h"
#include "Dm/PlotvaneDoc.h"
#include "main/QtDrawContext.h"

CPicturePane::CPicturePane(CPlotvaneDoc& doc, QWidget* pParent) : QAbstractScrollArea(pParent), m_Doc(doc)
{
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
    m_Doc.AddObserver(this);
    UpdateScrollRanges();
}

CPicturePane::~CPicturePane()
{
    m_Doc.RemoveObserver(this);
}

QSize CPicturePane::PictureSize() const
{
    const CBmpManager* pBmp = m_Doc.GetBmpManager();
    return pBmp->IsLoaded() ? QSize(pBmp->GetWidth(), pBmp->GetHeight()) : QSize();
}

void CPicturePane::UpdateScrollRanges()
{
    const QSize picture = PictureSize();
    const QSize page = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, picture.width() - page.width()));
    horizontalScrollBar()->setPageStep(page.width());
    verticalScrollBar()->setRange(0, std::max(0, picture.height() - page.height()));
    verticalScrollBar()->setPageStep(page.height());
}

void CPicturePane::OnReinitialize()
{
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    UpdateScrollRanges();
    viewport()->update();
}

void CPicturePane::OnDocumentChanged()
{
    viewport()->update();
}

void CPicturePane::OnRedraw(const CRect& clip)
{
    const QPoint offset(horizontalScrollBar()->value(), verticalScrollBar()->value());
    viewport()->repaint(QRect(clip.left, clip.top, clip.Width(), clip.Height()).translated(-offset));
}

void CPicturePane::resizeEvent(QResizeEvent* pEvent)
{
    QAbstractScrollArea::resizeEvent(pEvent);
    UpdateScrollRanges();
}

void CPicturePane::paintEvent(QPaintEvent* pEvent)
{
    const QSize picture = PictureSize();
    if (picture.isEmpty())
        return;
    const QPoint offset(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const QRect exposed = pEvent->rect().translated(offset).intersected(QRect(QPoint(0, 0), picture));
    if (exposed.isEmpty())
        return;
    QPainter painter(viewport());
    painter.translate(-offset);
    painter.setClipRect(exposed);
    CQtDrawContext dc(painter);
    m_Doc.Draw(dc, CRect(exposed.left(), exposed.top(), exposed.right() + 1, exposed.bottom() + 1));
}
