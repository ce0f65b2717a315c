#include "main/view/PlotvaneView.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

#include "Dm/BmpManager.h"
#include "Dm/CoordSyst.h"
#include "Dm/Curve.h"
#include "Dm/PlotvaneDoc.h"
#include "main/view/GraphCursors.h"
#include "main/view/Loupe.h"
#include "main/frame/MainFrame.h"
#include "main/view/OnScreenActions.h"
#include "qtdraw/QtDrawContext.h"
#include "main/wizard/ConstructionCommands.h"
#include "main/wizard/Sequence.h"
#include "qtdraw/ShrunkPicture.h"
#include "main/view/ViewContextMenu.h"
#include "main/view/ZoomDialog.h"
#include "platform/MessageService.h"
#include "platform/StringIds.h"

namespace {

// Floor division, so that positions left of or above the picture map to negative pixels.
int FloorDiv(long long a, long long b)
{
    const long long q = a / b;
    return static_cast<int>((a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q);
}

QString FormatCoordinate(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%g", value);
    return QString::fromLatin1(text);
}

}  // namespace

CPlotvaneView::CPlotvaneView(CPlotvaneDoc& doc, CMainFrame* pFrame, QWidget* pParent)
    : QAbstractScrollArea(pParent), m_Doc(doc), m_pFrame(pFrame)
{
    setFrameShape(QFrame::NoFrame);
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
    viewport()->setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    m_pLoupe = new CLoupe(
        [this](CPoint pixel) {
            const QSize bitmap = BitmapSize();
            if (pixel.x < 0 || pixel.y < 0 || pixel.x >= bitmap.width() || pixel.y >= bitmap.height())
                return CLoupe::kOutside;
            return m_Doc.GetBmpManager()->GetPixelColor(pixel.x, pixel.y) & 0xFFFFFFu;
        },
        this);
    m_pOnScreen = new COnScreenActions(*this);
    m_Doc.AddObserver(this);
    UpdateScrollSizes();
}

CPlotvaneView::~CPlotvaneView()
{
    m_Timer.stop();
    m_pSequence.reset();
    m_EndedSequences.clear();
    m_Doc.RemoveObserver(this);
}

// ---- Construction dialog and sequence

void CPlotvaneView::AttachDialog(CGraphMouseReceiver* pDialog)
{
    m_pDialog = pDialog;
    m_MouseState = MOUSE_IDLE;
    UpdateCursor();
    if (m_pFrame != nullptr)
        m_pFrame->UpdateCommandStates();
}

void CPlotvaneView::DetachDialog()
{
    m_pDialog = nullptr;
    m_MouseState = MOUSE_DETACHED;
    UpdateCursor();
    if (m_pFrame != nullptr)
        m_pFrame->UpdateCommandStates();
}

void CPlotvaneView::ResetMouseState()
{
    m_MouseState = MOUSE_IDLE;
}

void CPlotvaneView::StartSequence(std::unique_ptr<CSequence> pSequence)
{
    RunSequence(std::move(pSequence));
}

void CPlotvaneView::RunSequence(std::unique_ptr<CSequence> pSequence)
{
    if (pSequence == nullptr) {
        AfxMessageBox(IDS_NOT_ENOUGH_MEMORY, CMessageService::Icon::Exclamation);
        return;
    }
    m_pSequence = std::move(pSequence);
    if (!m_pSequence->Start()) {
        AfxMessageBox(IDS_NOT_ENOUGH_MEMORY, CMessageService::Icon::Exclamation);
        m_pSequence.reset();
    }
}

void CPlotvaneView::EndSequence()
{
    if (m_pSequence == nullptr)
        return;
    m_EndedSequences.push_back(std::move(m_pSequence));
    QTimer::singleShot(0, this, [this] { m_EndedSequences.clear(); });
    // The sequence has selected what it built (or nothing, when cancelled): Modify and
    // Delete follow at once, not at the next opening of a menu.
    if (m_pFrame != nullptr)
        m_pFrame->UpdateCommandStates();
}

// ---- Zoom and mapping

int CPlotvaneView::FitZoom(int nBitmapWidth, int nBitmapHeight, int nClientWidth, int nClientHeight)
{
    if (nBitmapWidth <= 0 || nBitmapHeight <= 0)
        return 100;
    const long long byWidth = 100LL * std::max(0, nClientWidth) / nBitmapWidth;
    const long long byHeight = 100LL * std::max(0, nClientHeight) / nBitmapHeight;
    return static_cast<int>(std::max(1LL, std::min(byWidth, byHeight)));
}

int CPlotvaneView::EffectiveZoom() const
{
    if (m_nZoom > 0)
        return m_nZoom;
    const QSize bitmap = BitmapSize();
    return FitZoom(bitmap.width(), bitmap.height(), viewport()->width(), viewport()->height());
}

int CPlotvaneView::SetZoom(int nPercent)
{
    const int nPrevious = m_nZoom;
    m_nZoom = nPercent;
    if (nPrevious != nPercent) {
        UpdateScrollSizes();
        viewport()->update();
    }
    return nPrevious;
}

QSize CPlotvaneView::BitmapSize() const
{
    const CBmpManager* pBmp = m_Doc.GetBmpManager();
    return pBmp != nullptr && pBmp->IsLoaded() ? QSize(pBmp->GetWidth(), pBmp->GetHeight()) : QSize();
}

void CPlotvaneView::UpdateScrollSizes()
{
    const QSize bitmap = BitmapSize();
    QSize total;
    if (!bitmap.isEmpty() && m_nZoom > 0)
        total = QSize(static_cast<int>(static_cast<long long>(bitmap.width()) * m_nZoom / 100),
                      static_cast<int>(static_cast<long long>(bitmap.height()) * m_nZoom / 100));
    const QSize page = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, total.width() - page.width()));
    horizontalScrollBar()->setPageStep(page.width());
    horizontalScrollBar()->setSingleStep(std::max(1, page.width() / 10));
    verticalScrollBar()->setRange(0, std::max(0, total.height() - page.height()));
    verticalScrollBar()->setPageStep(page.height());
    verticalScrollBar()->setSingleStep(std::max(1, page.height() / 10));
}

QPoint CPlotvaneView::ScrollPosition() const
{
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

CPoint CPlotvaneView::ClientToBitmap(QPoint client) const
{
    const int nZoom = EffectiveZoom();
    const QPoint device = client + ScrollPosition();
    return CPoint(FloorDiv(100LL * device.x(), nZoom), FloorDiv(100LL * device.y(), nZoom));
}

CPoint CPlotvaneView::ClientToBitmapClamped(QPoint client) const
{
    const QSize bitmap = BitmapSize();
    if (bitmap.isEmpty())
        return CPoint(0, 0);
    const CPoint p = ClientToBitmap(client);
    return CPoint(std::clamp(p.x, 0, bitmap.width() - 1), std::clamp(p.y, 0, bitmap.height() - 1));
}

QPoint CPlotvaneView::BitmapToClient(CPoint point) const
{
    const long long nZoom = EffectiveZoom();
    return QPoint(static_cast<int>(point.x * nZoom / 100), static_cast<int>(point.y * nZoom / 100)) -
           ScrollPosition();
}

QRect CPlotvaneView::ClientOnScreen() const
{
    return QRect(viewport()->mapToGlobal(QPoint(0, 0)), viewport()->size());
}

QRect CPlotvaneView::PictureOnScreen() const
{
    const QSize bitmap = BitmapSize();
    if (bitmap.isEmpty())
        return QRect();
    const QRect client(BitmapToClient(CPoint(0, 0)), BitmapToClient(CPoint(bitmap.width(), bitmap.height())));
    const QRect shown = client.intersected(viewport()->rect());
    return shown.isEmpty() ? QRect() : shown.translated(viewport()->mapToGlobal(QPoint(0, 0)));
}

COLORREF CPlotvaneView::GetPixelColor(CPoint point) const
{
    const CBmpManager* pBmp = m_Doc.GetBmpManager();
    if (pBmp == nullptr || !pBmp->IsLoaded())
        return 0xFFFFFFFF;
    return pBmp->GetPixelColor(point.x, point.y);
}

// ---- Painting

void CPlotvaneView::paintEvent(QPaintEvent* pEvent)
{
    QPainter painter(viewport());
    const QSize bitmap = BitmapSize();
    if (bitmap.isEmpty())
        return;
    const int nZoom = EffectiveZoom();
    const QPoint scroll = ScrollPosition();
    // The exposed client rectangle in bitmap pixels, widened to whole pixels.
    const QRect exposed = pEvent->rect();
    const CPoint topLeft = ClientToBitmap(exposed.topLeft());
    const CPoint bottomRight = ClientToBitmap(exposed.bottomRight());
    const QRect visible = QRect(QPoint(topLeft.x, topLeft.y), QPoint(bottomRight.x, bottomRight.y))
                              .intersected(QRect(QPoint(0, 0), bitmap));
    if (!visible.isEmpty()) {
        painter.save();
        painter.setClipRect(exposed);
        painter.translate(-scroll);
        painter.scale(nZoom / 100.0, nZoom / 100.0);
        {
            // Gone before the painter's state is restored: it draws what it still holds then.
            CQtDrawContext dc(painter);
            dc.SetShrunkPicture(&m_ShrunkPicture);
            m_Doc.Draw(dc, CRect(visible.left(), visible.top(), visible.right() + 1, visible.bottom() + 1));
            m_InvertedOverlay.Replay(dc);
        }
        painter.restore();
    }
}

QRect CPlotvaneView::ClientRectOf(CPoint from, CPoint to) const
{
    const int nPixel = std::max(1, EffectiveZoom() / 100) + 2;
    return QRect(BitmapToClient(from), BitmapToClient(to))
        .normalized()
        .adjusted(-nPixel, -nPixel, nPixel, nPixel);
}

void CPlotvaneView::InvertLine(CPoint from, CPoint to)
{
    DrawInverted([from, to](CDrawContext& dc) {
        dc.SetRasterOp(CDrawContext::RasterOp::Invert);
        dc.SetPen(0, 1);
        dc.MoveTo(from);
        dc.LineTo(to);
    });
}

void CPlotvaneView::DrawInverted(const std::function<void(CDrawContext&)>& draw)
{
    draw(m_InvertedOverlay);
    UpdateInvertedArea();
}

void CPlotvaneView::ClearInverted()
{
    m_InvertedOverlay.Clear();
    UpdateInvertedArea();
}

void CPlotvaneView::UpdateInvertedArea()
{
    const CRect changed = m_InvertedOverlay.TakeChangedArea();
    if (!changed.IsEmpty())
        viewport()->update(
            ClientRectOf(CPoint(changed.left, changed.top), CPoint(changed.right, changed.bottom))
                .intersected(viewport()->rect()));
}

void CPlotvaneView::resizeEvent(QResizeEvent* pEvent)
{
    QAbstractScrollArea::resizeEvent(pEvent);
    UpdateScrollSizes();
    if (m_nZoom <= 0)
        viewport()->update();
}

void CPlotvaneView::scrollContentsBy(int /*dx*/, int /*dy*/)
{
    viewport()->update();
    // The pixel under the pointer is another one now.
    m_bKeyPixel = false;
    UpdateLoupe();
}

// ---- Document notifications

void CPlotvaneView::OnReinitialize()
{
    m_ShrunkPicture.Clear();
    m_InvertedOverlay.Clear();
    m_InvertedOverlay.TakeChangedArea();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    UpdateScrollSizes();
    viewport()->update();
    // Until it is on the screen the view does not have the size it will show the picture at.
    if (m_pOnScreen->IsOnScreen())
        ChooseOpeningZoom();
    else
        m_pOnScreen->Run([this] { ChooseOpeningZoom(); });
}

void CPlotvaneView::ChooseOpeningZoom()
{
    // Not the zoom the last picture had: a large scan followed by a small picture would
    // show a thumbnail, and a large picture after a small one would hide its axes.
    const QSize bitmap = BitmapSize();
    const QSize room = maximumViewportSize();
    const bool bLarger = bitmap.width() > room.width() || bitmap.height() > room.height();
    SetZoom(bLarger ? kFitZoom : 100);
    if (m_pZoomDialog != nullptr)
        m_pZoomDialog->SelectCurrentZoom();
}

void CPlotvaneView::OnDocumentChanged()
{
    viewport()->update();
}

void CPlotvaneView::OnRedraw(const CRect& clip)
{
    const QRect client =
        QRect(BitmapToClient(CPoint(clip.left, clip.top)), BitmapToClient(CPoint(clip.right, clip.bottom)))
            .adjusted(-1, -1, 1, 1);
    viewport()->update(client.intersected(viewport()->rect()));
}

void CPlotvaneView::OnStartConstruction()
{
    // Once the document has finished loading and the window is where it stays, so that the
    // first step opens beside the picture.
    m_pOnScreen->Run([this] { StartCompleteConstruction(); });
}

void CPlotvaneView::StartCompleteConstruction()
{
    if (!IsConstructionActive() && m_pSequence == nullptr)
        OnNewCoordSystAndCurve();
}

// ---- Mouse

unsigned CPlotvaneView::KeyFlags(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? MK_SHIFT : 0u) |
           (modifiers & Qt::ControlModifier ? MK_CONTROL : 0u);
}

void CPlotvaneView::SendToDialog(GraphMessage message, unsigned nFlags, CPoint point)
{
    if (m_pDialog != nullptr)
        m_pDialog->OnGraphMessage(message, nFlags, point);
}

std::pair<int, int> CPlotvaneView::AutoScrollStep(QPoint client) const
{
    const QScrollBar* h = horizontalScrollBar();
    const QScrollBar* v = verticalScrollBar();
    int dx = 0;
    int dy = 0;
    if (client.x() > viewport()->width() && h->value() < h->maximum())
        dx = AUTOSCROLL_STEP;
    else if (client.x() < 0 && h->value() > 0)
        dx = -AUTOSCROLL_STEP;
    if (client.y() > viewport()->height() && v->value() < v->maximum())
        dy = AUTOSCROLL_STEP;
    else if (client.y() < 0 && v->value() > 0)
        dy = -AUTOSCROLL_STEP;
    return {dx, dy};
}

void CPlotvaneView::mousePressEvent(QMouseEvent* pEvent)
{
    QAbstractScrollArea::mousePressEvent(pEvent);
    pEvent->accept();
    const QPoint client = pEvent->position().toPoint();
    if (pEvent->button() == Qt::LeftButton) {
        if (m_pDialog != nullptr && m_MouseState == MOUSE_IDLE) {
            m_bCaptured = true;
            m_MouseState = MOUSE_DRAGGING;
            SendToDialog(WM_GRAPH_BUTTONDOWN, KeyFlags(pEvent->modifiers()), ClientToBitmapClamped(client));
            UpdateLoupe();
        }
    } else if (pEvent->button() == Qt::RightButton && m_bCaptured) {
        EndDrag(client);
    }
}

void CPlotvaneView::mouseMoveEvent(QMouseEvent* pEvent)
{
    QAbstractScrollArea::mouseMoveEvent(pEvent);
    pEvent->accept();
    const QPoint client = pEvent->position().toPoint();
    UpdateStatusCoordinates(client);
    // The move the arrow keys made keeps their pixel; any other forgets it.
    if (m_bKeyPixel && client != m_KeyClient)
        m_bKeyPixel = false;
    m_PointerClient = client;
    UpdateLoupe();
    if (!m_bCaptured)
        return;
    const std::pair<int, int> step = AutoScrollStep(client);
    const CPoint point = ClientToBitmapClamped(client);
    const unsigned nFlags = KeyFlags(pEvent->modifiers());
    const bool bScroll = step != std::make_pair(0, 0);
    if (m_MouseState == MOUSE_DRAGGING) {
        if (bScroll) {
            m_ScrollStep = step;
            m_Timer.start(AUTOSCROLL_PERIOD_MS, this);
            m_MouseState = MOUSE_SCROLLING;
            SendToDialog(WM_GRAPH_SCROLLDRAG, nFlags, point);
        } else {
            SendToDialog(WM_GRAPH_DRAG, nFlags, point);
        }
    } else if (m_MouseState == MOUSE_SCROLLING) {
        if (!bScroll) {
            m_Timer.stop();
            SendToDialog(WM_GRAPH_SCROLLSTOP, nFlags, point);
            m_MouseState = MOUSE_DRAGGING;
        } else {
            m_ScrollStep = step;
        }
    }
}

void CPlotvaneView::mouseReleaseEvent(QMouseEvent* pEvent)
{
    QAbstractScrollArea::mouseReleaseEvent(pEvent);
    pEvent->accept();
    if (pEvent->button() == Qt::LeftButton && m_bCaptured)
        EndDrag(pEvent->position().toPoint());
}

void CPlotvaneView::EndDrag(QPoint client)
{
    if (m_MouseState == MOUSE_SCROLLING)
        m_Timer.stop();
    if (m_MouseState == MOUSE_DRAGGING || m_MouseState == MOUSE_SCROLLING)
        m_MouseState = MOUSE_IDLE;
    m_bCaptured = false;
    SendToDialog(WM_GRAPH_BUTTONUP, KeyFlags(QApplication::keyboardModifiers()),
                 ClientToBitmapClamped(client));
    UpdateLoupe();
}

void CPlotvaneView::timerEvent(QTimerEvent* pEvent)
{
    if (pEvent->timerId() != m_Timer.timerId()) {
        QAbstractScrollArea::timerEvent(pEvent);
        return;
    }
    if (m_MouseState != MOUSE_SCROLLING)
        return;
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + m_ScrollStep.first);
    verticalScrollBar()->setValue(verticalScrollBar()->value() + m_ScrollStep.second);
    // Painted now, so that a slow redraw does not let ticks pile up behind it.
    viewport()->repaint();
}

void CPlotvaneView::mouseDoubleClickEvent(QMouseEvent* pEvent)
{
    QAbstractScrollArea::mouseDoubleClickEvent(pEvent);
    pEvent->accept();
    if (pEvent->button() != Qt::LeftButton || m_pDialog != nullptr)
        return;
    const CPoint point = ClientToBitmap(pEvent->position().toPoint());
    m_Doc.SelectAt(point.x, point.y);
    viewport()->update();
    if (m_pFrame != nullptr)
        m_pFrame->UpdateCommandStates();
}

void CPlotvaneView::UpdateStatusCoordinates(QPoint client)
{
    if (m_pFrame == nullptr)
        return;
    const CCoordSyst* pCoordSyst = m_Doc.GetSelectedCoordSyst();
    if (pCoordSyst == nullptr && m_Doc.GetSelectedCurve() != nullptr)
        pCoordSyst = m_Doc.GetSelectedCurve()->GetCoordSyst();
    if (pCoordSyst == nullptr && m_pSequence != nullptr && m_pSequence->GetCoordSyst() != nullptr &&
        m_pSequence->GetCoordSyst()->IsComplete())
        pCoordSyst = m_pSequence->GetCoordSyst();
    if (pCoordSyst == nullptr) {
        m_pFrame->SetCoordinateTexts(QString(), QString());
        return;
    }
    const CLogicPoint graph = pCoordSyst->PixelToGraph(ClientToBitmap(client));
    m_pFrame->SetCoordinateTexts(FormatCoordinate(graph.x), FormatCoordinate(graph.y));
}

void CPlotvaneView::UpdateCursor()
{
    if (m_pDialog == nullptr)
        viewport()->unsetCursor();
    else
        viewport()->setCursor(CGraphCursors::Cursor(m_pDialog->GetCursorKind()));
    UpdateLoupe();
}

// ---- Placing points exactly

bool CPlotvaneView::IsWaitingForClick() const
{
    if (m_pDialog == nullptr || m_MouseState != MOUSE_IDLE || BitmapSize().isEmpty())
        return false;
    const int nKind = m_pDialog->GetCursorKind();
    return nKind == CURSOR_CROSS || nKind == CURSOR_PIPETTE;
}

CPoint CPlotvaneView::GetPointedPixel() const
{
    return m_bKeyPixel ? m_KeyPixel : ClientToBitmapClamped(m_PointerClient);
}

QPoint CPlotvaneView::PixelCentre(CPoint pixel) const
{
    const int nHalf = EffectiveZoom() / 200;
    return BitmapToClient(pixel) + QPoint(nHalf, nHalf);
}

void CPlotvaneView::UpdateLoupe()
{
    if (m_pLoupe == nullptr)
        return;
    if (!IsWaitingForClick() || !viewport()->rect().contains(m_PointerClient)) {
        m_pLoupe->hide();
        return;
    }
    m_pLoupe->ShowAt(*viewport(), m_PointerClient, GetPointedPixel());
}

void CPlotvaneView::MovePointedPixel(int dx, int dy)
{
    const QSize bitmap = BitmapSize();
    const CPoint from = GetPointedPixel();
    const CPoint to(std::clamp(from.x + dx, 0, bitmap.width() - 1),
                    std::clamp(from.y + dy, 0, bitmap.height() - 1));
    // Scrolled so that the pixel stays a little inside the window.
    const QPoint wanted = PixelCentre(to);
    const int nMargin = std::min({16, viewport()->width() / 4, viewport()->height() / 4});
    const QRect inside = viewport()->rect().adjusted(nMargin, nMargin, -nMargin, -nMargin);
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + wanted.x() -
                                    std::clamp(wanted.x(), inside.left(), inside.right()));
    verticalScrollBar()->setValue(verticalScrollBar()->value() + wanted.y() -
                                  std::clamp(wanted.y(), inside.top(), inside.bottom()));
    m_bKeyPixel = true;
    m_KeyPixel = to;
    m_KeyClient = PixelCentre(to);
    m_PointerClient = m_KeyClient;
    QCursor::setPos(viewport()->mapToGlobal(m_KeyClient));
    UpdateStatusCoordinates(m_KeyClient);
    UpdateLoupe();
}

void CPlotvaneView::ClickPointedPixel(unsigned nFlags)
{
    // A press and a release at the pixel, as the mouse sends them.
    const CPoint pixel = GetPointedPixel();
    m_MouseState = MOUSE_DRAGGING;
    SendToDialog(WM_GRAPH_BUTTONDOWN, nFlags, pixel);
    if (m_MouseState == MOUSE_DRAGGING)
        m_MouseState = MOUSE_IDLE;
    SendToDialog(WM_GRAPH_BUTTONUP, nFlags, pixel);
    UpdateLoupe();
}

void CPlotvaneView::keyPressEvent(QKeyEvent* pEvent)
{
    if (!IsWaitingForClick()) {
        QAbstractScrollArea::keyPressEvent(pEvent);
        return;
    }
    switch (pEvent->key()) {
        case Qt::Key_Left:
            MovePointedPixel(-1, 0);
            break;
        case Qt::Key_Right:
            MovePointedPixel(1, 0);
            break;
        case Qt::Key_Up:
            MovePointedPixel(0, -1);
            break;
        case Qt::Key_Down:
            MovePointedPixel(0, 1);
            break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            ClickPointedPixel(KeyFlags(pEvent->modifiers()));
            break;
        default:
            QAbstractScrollArea::keyPressEvent(pEvent);
            return;
    }
    pEvent->accept();
}

bool CPlotvaneView::viewportEvent(QEvent* pEvent)
{
    if (pEvent->type() == QEvent::Enter && IsWaitingForClick()) {
        // The keys go where the pointer is: away from the step dialog, a window of its own.
        activateWindow();
        setFocus(Qt::MouseFocusReason);
    } else if (pEvent->type() == QEvent::Leave) {
        m_PointerClient = QPoint(-1, -1);
        m_bKeyPixel = false;
        UpdateLoupe();
    }
    return QAbstractScrollArea::viewportEvent(pEvent);
}

// ---- Commands

void CPlotvaneView::OnNewCoordSyst()
{
    CConstructionCommands(*this, m_Doc).NewCoordSyst();
}

void CPlotvaneView::OnNewCurve(ECurveKind kind)
{
    CConstructionCommands(*this, m_Doc).NewCurve(kind);
}

void CPlotvaneView::OnNewCoordSystAndCurve()
{
    CConstructionCommands(*this, m_Doc).NewCoordSystAndCurve();
}

void CPlotvaneView::OnModifySelected()
{
    CConstructionCommands(*this, m_Doc).ModifySelected();
}

void CPlotvaneView::OnDeleteSelected()
{
    if (CCoordSyst* pCoordSyst = m_Doc.GetSelectedCoordSyst()) {
        if (!pCoordSyst->GetCurveList().empty() &&
            AfxMessageBox(IDS_DELETE_COORDSYST, CMessageService::Icon::Exclamation,
                          CMessageService::Buttons::YesNo) != CMessageService::Answer::Yes)
            return;
        m_Doc.DeleteCoordSyst(pCoordSyst);
    } else if (CCurve* pCurve = m_Doc.GetSelectedCurve()) {
        pCurve->GetCoordSyst()->RemoveCurve(pCurve);
    }
    viewport()->update();
    if (m_pFrame != nullptr)
        m_pFrame->UpdateCommandStates();
}

void CPlotvaneView::OnZoom()
{
    if (m_pZoomDialog == nullptr)
        m_pZoomDialog = new CZoomDialog(*this, this);
    m_pZoomDialog->SelectCurrentZoom();
    m_pZoomDialog->show();
    m_pZoomDialog->raise();
}

// ---- Context menu, wheel and keys

int CPlotvaneView::ContextMenuIndex() const
{
    if (BitmapSize().isEmpty())
        return 0;
    if (m_pSequence != nullptr)
        return 1;
    const bool bCurves = m_Doc.HasCurves();
    if (m_Doc.GetSelectedCoordSyst() != nullptr)
        return bCurves ? 3 : 2;
    if (m_Doc.GetSelectedCurve() != nullptr)
        return 4;
    return bCurves ? 6 : 5;
}

void CPlotvaneView::contextMenuEvent(QContextMenuEvent* pEvent)
{
    if (m_bCaptured || m_pFrame == nullptr)
        return;
    CViewContextMenu menu(*m_pFrame, ContextMenuIndex());
    menu.Exec(pEvent->globalPos());
}

void CPlotvaneView::wheelEvent(QWheelEvent* pEvent)
{
    if (!(pEvent->modifiers() & Qt::ControlModifier) || BitmapSize().isEmpty()) {
        QAbstractScrollArea::wheelEvent(pEvent);
        return;
    }
    // Ctrl + wheel zooms by steps of a quarter about the pointer: the bitmap pixel under it
    // stays under it.
    const QPoint client = pEvent->position().toPoint();
    const int nOld = EffectiveZoom();
    const QPointF anchor = QPointF(client + ScrollPosition()) * (100.0 / nOld);  // in bitmap pixels
    const int nNew = pEvent->angleDelta().y() > 0 ? std::min(kMaxZoom, nOld + std::max(1, nOld / 4))
                                                  : std::max(kMinZoom, nOld - std::max(1, nOld / 5));
    SetZoom(nNew);
    const QPointF scroll = anchor * (nNew / 100.0) - QPointF(client);
    horizontalScrollBar()->setValue(static_cast<int>(std::lround(scroll.x())));
    verticalScrollBar()->setValue(static_cast<int>(std::lround(scroll.y())));
    if (m_pZoomDialog != nullptr)
        m_pZoomDialog->SelectCurrentZoom();
    pEvent->accept();
}
