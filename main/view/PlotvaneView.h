#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include <QAbstractScrollArea>
#include <QBasicTimer>

#include "Dm/DocumentObserver.h"
#include "main/view/GraphMouseReceiver.h"
#include "main/view/InvertedOverlay.h"
#include "qtdraw/ShrunkPicture.h"
#include "main/view/ViewCommands.h"

class CLoupe;
class CMainFrame;
class COnScreenActions;
class CPlotvaneDoc;
class CSequence;
class CZoomDialog;
class QMenu;

// The window in which the graph picture and everything built on it is shown. It zooms
// (isotropically, in percent, or to fit) and scrolls the bitmap, lets the document draw the
// visible part, selects on double click, writes the pointer's graph coordinates into the
// status bar, offers the context menu of what is selected, runs the construction commands,
// and, while a construction dialog is attached, holds the mouse and forwards every press,
// drag and release, in bitmap pixels, to that dialog, scrolling by itself while the pointer
// is dragged out of the window.
//
// Registers with the document, which must outlive the view. Owns the running construction
// sequence and the zoom window.
class CPlotvaneView : public QAbstractScrollArea, public CDocumentObserver, public CViewCommands {
    Q_OBJECT
public:
    enum MouseState { MOUSE_DETACHED = 0, MOUSE_IDLE = 1, MOUSE_DRAGGING = 2, MOUSE_SCROLLING = 3 };
    static constexpr int AUTOSCROLL_PERIOD_MS = 50;
    static constexpr int AUTOSCROLL_STEP = 25;
    // The zoom that fits the picture to the window.
    static constexpr int kFitZoom = -1;

    // pFrame receives the status-bar coordinates; it may be null.
    CPlotvaneView(CPlotvaneDoc& doc, CMainFrame* pFrame, QWidget* pParent = nullptr);
    ~CPlotvaneView() override;

    CPlotvaneDoc& GetDocument() const { return m_Doc; }

    // ---- The construction dialog that receives the mouse (not owned).
    void AttachDialog(CGraphMouseReceiver* pDialog);
    void DetachDialog();
    void ResetMouseState();
    bool IsConstructionActive() const override { return m_pDialog != nullptr; }
    CGraphMouseReceiver* GetAttachedDialog() const { return m_pDialog; }
    int GetMouseState() const { return m_MouseState; }

    // ---- The running construction sequence, owned while it runs.
    void StartSequence(std::unique_ptr<CSequence> pSequence);
    CSequence* GetSequence() const { return m_pSequence.get(); }
    // The sequence has ended: the view lets it go. It is destroyed once control is back in
    // the event loop, so a sequence may end itself from inside its own operations.
    void EndSequence();

    // ---- Zoom: the zoom in percent; 0 or less fits the bitmap to the window.
    // The zooms the wheel reaches and the zoom window takes: 1 to 3200 %, where a pixel of
    // the picture already fills the pointer's cursor.
    static constexpr int kMinZoom = 1;
    static constexpr int kMaxZoom = 3200;
    int GetZoom() const { return m_nZoom; }
    // Returns the previous zoom.
    int SetZoom(int nPercent);
    // The zoom in effect: m_nZoom, or the fit zoom for 0 or less.
    int EffectiveZoom() const;
    // The fit zoom of a bitmap of the given size in a client of the given size.
    static int FitZoom(int nBitmapWidth, int nBitmapHeight, int nClientWidth, int nClientHeight);

    // ---- Bitmap pixels and the window.
    // The colour of a bitmap pixel; all four bytes 255 without a bitmap.
    COLORREF GetPixelColor(CPoint point) const;
    // A client position in bitmap pixels, not clamped.
    CPoint ClientToBitmap(QPoint client) const;
    // The same, clamped into the bitmap (0, 0 without one).
    CPoint ClientToBitmapClamped(QPoint client) const;
    QPoint BitmapToClient(CPoint point) const;
    // The screen rectangles of the view's client area and of the part of the picture shown
    // in it (empty without a picture).
    QRect ClientOnScreen() const;
    QRect PictureOnScreen() const;

    // Draws the line between two bitmap pixels in inverted ink (through DrawInverted), over
    // the picture and the curves; drawing the same line again takes it away. The rubber
    // lines of the construction dialogs.
    void InvertLine(CPoint from, CPoint to);
    // Lets draw put shapes in inverted ink on the view, over the picture and the curves: the
    // drag previews of the construction dialogs, which erase themselves by drawing the same
    // shapes again. Only the area that changed is repainted.
    void DrawInverted(const std::function<void(CDrawContext&)>& draw);
    // Takes every shape drawn by DrawInverted away.
    void ClearInverted();
    const CInvertedOverlay& GetInvertedOverlay() const { return m_InvertedOverlay; }

    // Shows the cursor the attached dialog asks for (the toolkit's own without one).
    void UpdateCursor();

    // ---- Placing points exactly.
    // Whether the attached dialog waits for a click on the picture (it shows a pointing
    // cursor and no drag is running). Then the loupe follows the pointer over the picture,
    // the view takes the keyboard when the pointer comes in, the arrow keys move the pointer
    // by one bitmap pixel (scrolling as needed) and Space or Enter clicks there.
    bool IsWaitingForClick() const;
    CLoupe* GetLoupe() const { return m_pLoupe; }
    // The bitmap pixel the keyboard or the pointer points at.
    CPoint GetPointedPixel() const;

    // The command "New coordinates system and curve", started by the document whenever it
    // has loaded a new bitmap.
    void StartCompleteConstruction();

    // ---- Commands (also reached from the main frame)
    void OnNewCurve(ECurveKind kind) override;
    void OnNewCoordSyst() override;
    void OnNewCoordSystAndCurve() override;
    void OnModifySelected() override;
    void OnDeleteSelected() override;
    void OnZoom() override;

    // The popup of the context menu for what is selected now: "0" … "6".
    int ContextMenuIndex() const;
    CZoomDialog* GetZoomDialog() const { return m_pZoomDialog; }

    // ---- CDocumentObserver
    void OnReinitialize() override;
    void OnDocumentChanged() override;
    void OnRedraw(const CRect& clip) override;
    void OnStartConstruction() override;

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    void wheelEvent(QWheelEvent* pEvent) override;
    void timerEvent(QTimerEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    bool viewportEvent(QEvent* pEvent) override;

private:
    QSize BitmapSize() const;
    void UpdateScrollSizes();
    QPoint ScrollPosition() const;
    std::pair<int, int> AutoScrollStep(QPoint client) const;
    void EndDrag(QPoint client);
    void SendToDialog(GraphMessage message, unsigned nFlags, CPoint point);
    void UpdateStatusCoordinates(QPoint client);
    void RunSequence(std::unique_ptr<CSequence> pSequence);
    // A picture larger than the view opens at Fit, any other at 100 %.
    void ChooseOpeningZoom();
    QRect ClientRectOf(CPoint from, CPoint to) const;
    // Repaints the area of the inverted overlay that changed.
    void UpdateInvertedArea();
    static unsigned KeyFlags(Qt::KeyboardModifiers modifiers);
    void UpdateLoupe();
    QPoint PixelCentre(CPoint pixel) const;
    void MovePointedPixel(int dx, int dy);
    void ClickPointedPixel(unsigned nFlags);

    CPlotvaneDoc& m_Doc;
    CMainFrame* m_pFrame;
    std::unique_ptr<CSequence> m_pSequence;
    std::vector<std::unique_ptr<CSequence>> m_EndedSequences;
    QBasicTimer m_Timer;
    std::pair<int, int> m_ScrollStep{0, 0};
    int m_MouseState = MOUSE_DETACHED;
    bool m_bCaptured = false;
    CGraphMouseReceiver* m_pDialog = nullptr;
    int m_nZoom = 100;
    CZoomDialog* m_pZoomDialog = nullptr;  // a child of the view, made on first use
    CInvertedOverlay m_InvertedOverlay;
    CShrunkPicture m_ShrunkPicture;
    // A window of the view's, which deletes it.
    CLoupe* m_pLoupe = nullptr;
    // What waits for the view to be on the screen (it has the size it shows the picture at
    // then); a child of the view's.
    COnScreenActions* m_pOnScreen = nullptr;
    // The pixel the arrow keys moved to, while the pointer stays where they put it.
    bool m_bKeyPixel = false;
    CPoint m_KeyPixel;
    QPoint m_KeyClient;
    // Where the pointer was last seen over the viewport; outside it after it left.
    QPoint m_PointerClient{-1, -1};
};
