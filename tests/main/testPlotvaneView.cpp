#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>
#include <QWindow>
#include <gtest/gtest.h>

#include "../Dm/IdentityCoordSyst.h"
#include "Dm/BmpManager.h"
#include "Dm/DiscreteCurve.h"
#include "Dm/PlotvaneDoc.h"
#include "ShellTestSupport.h"
#include "main/frame/ClipboardPicture.h"
#include "main/frame/FrameStatusBar.h"
#include "main/view/Loupe.h"
#include "main/frame/MainFrame.h"
#include "main/view/PlotvaneView.h"
#include "main/view/ZoomDialog.h"
#include "tests/doubles/RecordingMessageService.h"

namespace {

// What the view sent to the construction dialog, message by message.
struct CSent {
    GraphMessage message;
    unsigned nFlags;
    CPoint point;
};

class CReceiver : public CGraphMouseReceiver {
public:
    void OnGraphMessage(GraphMessage message, unsigned nFlags, CPoint point) override
    {
        m_Sent.push_back({message, nFlags, point});
    }
    int GetCursorKind() const override { return m_nKind; }

    std::vector<GraphMessage> Messages() const
    {
        std::vector<GraphMessage> messages;
        for (const CSent& sent : m_Sent)
            messages.push_back(sent.message);
        return messages;
    }

    std::vector<CSent> m_Sent;
    int m_nKind = CURSOR_CROSS;
};

class PlotvaneViewTest : public ::testing::Test {
protected:
    // A document holding a picture of the given size and a view of client size 200 × 200.
    void Open(int nWidth, int nHeight)
    {
        ASSERT_TRUE(m_Doc.OpenBitmap(MakeTestPicture("view.bmp", nWidth, nHeight)));
        m_pView = std::make_unique<CPlotvaneView>(m_Doc, nullptr);
        m_pView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_pView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_pView->resize(200, 200);
        m_pView->show();
        ASSERT_EQ(m_pView->viewport()->size(), QSize(200, 200));
    }

    QWidget* Viewport() const { return m_pView->viewport(); }
    int HScroll() const { return m_pView->horizontalScrollBar()->value(); }

    CPlotvaneDoc m_Doc;
    std::unique_ptr<CPlotvaneView> m_pView;
    CReceiver m_Receiver;
};

}  // namespace

TEST_F(PlotvaneViewTest, FitZoomAndScrollSizes)
{
    EXPECT_EQ(CPlotvaneView::FitZoom(1000, 500, 400, 400), 40);
    EXPECT_EQ(CPlotvaneView::FitZoom(0, 0, 400, 400), 100);
    EXPECT_EQ(CPlotvaneView::FitZoom(100000, 10, 400, 400), 1);

    Open(1000, 500);
    EXPECT_EQ(m_pView->horizontalScrollBar()->maximum(), 800);
    EXPECT_EQ(m_pView->SetZoom(-1), 100);
    EXPECT_EQ(m_pView->EffectiveZoom(), 20);
    EXPECT_EQ(m_pView->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(m_pView->verticalScrollBar()->maximum(), 0);
    m_pView->resize(400, 400);
    EXPECT_EQ(m_pView->EffectiveZoom(), 40);
    m_pView->SetZoom(150);
    EXPECT_EQ(m_pView->horizontalScrollBar()->maximum(), 1500 - 400);
    EXPECT_EQ(m_pView->verticalScrollBar()->maximum(), 750 - 400);
    // Client positions map to bitmap pixels through the zoom and the scroll position.
    m_pView->horizontalScrollBar()->setValue(30);
    EXPECT_EQ(m_pView->ClientToBitmap(QPoint(0, 3)), CPoint(20, 2));
    EXPECT_EQ(m_pView->ClientToBitmap(QPoint(-31, 0)), CPoint(-1, 0));

    // Ctrl + wheel zooms about the pointer: the pixel under it stays under it.
    const QPoint pointer(250, 120);
    const CPoint under = m_pView->ClientToBitmap(pointer);
    QWheelEvent wheel(pointer, m_pView->viewport()->mapToGlobal(pointer), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(m_pView->viewport(), &wheel);
    EXPECT_GT(m_pView->GetZoom(), 150);
    EXPECT_EQ(m_pView->ClientToBitmap(pointer), under);
}

TEST_F(PlotvaneViewTest, ForwardsTheMouseToTheAttachedDialogInOrder)
{
    Open(50, 40);
    // Without a dialog nothing is sent and nothing is held.
    QTest::mousePress(Viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(Viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(m_pView->GetMouseState(), CPlotvaneView::MOUSE_DETACHED);

    m_pView->AttachDialog(&m_Receiver);
    EXPECT_EQ(m_pView->GetMouseState(), CPlotvaneView::MOUSE_IDLE);
    EXPECT_EQ(Viewport()->cursor().shape(), Qt::CrossCursor);
    // A click beyond the picture reaches the dialog at its nearest edge pixel.
    QTest::mousePress(Viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(120, 5));
    EXPECT_EQ(m_pView->GetMouseState(), CPlotvaneView::MOUSE_DRAGGING);
    QTest::mouseMove(Viewport(), QPoint(20, 150));
    QTest::mouseRelease(Viewport(), Qt::LeftButton, {}, QPoint(20, 30));
    EXPECT_EQ(m_pView->GetMouseState(), CPlotvaneView::MOUSE_IDLE);
    ASSERT_EQ(m_Receiver.Messages(),
              (std::vector<GraphMessage>{WM_GRAPH_BUTTONDOWN, WM_GRAPH_DRAG, WM_GRAPH_BUTTONUP}));
    EXPECT_EQ(m_Receiver.m_Sent[0].point, CPoint(49, 5));
    EXPECT_EQ(m_Receiver.m_Sent[0].nFlags, MK_SHIFT);
    EXPECT_EQ(m_Receiver.m_Sent[1].point, CPoint(20, 39));
    EXPECT_EQ(m_Receiver.m_Sent[2].point, CPoint(20, 30));

    // The right button ends a drag as a left release would.
    m_Receiver.m_Sent.clear();
    QTest::mousePress(Viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mousePress(Viewport(), Qt::RightButton, {}, QPoint(7, 8));
    EXPECT_EQ(m_Receiver.Messages(), (std::vector<GraphMessage>{WM_GRAPH_BUTTONDOWN, WM_GRAPH_BUTTONUP}));
    EXPECT_EQ(m_Receiver.m_Sent[1].point, CPoint(7, 8));
    EXPECT_EQ(m_pView->GetMouseState(), CPlotvaneView::MOUSE_IDLE);

    m_pView->DetachDialog();
    EXPECT_FALSE(m_pView->IsConstructionActive());
}

TEST_F(PlotvaneViewTest, TheLoupeAndTheArrowKeysPlacePointsPixelByPixel)
{
    Open(200, 150);
    m_pView->SetZoom(400);
    m_pView->AttachDialog(&m_Receiver);
    CLoupe& loupe = *m_pView->GetLoupe();
    EXPECT_FALSE(loupe.isVisible());

    // Over pixel (20, 10), the loupe shows it, beside the pointer.
    QTest::mouseMove(Viewport(), QPoint(81, 42));
    ASSERT_TRUE(loupe.isVisible());
    EXPECT_EQ(loupe.GetPixel(), CPoint(20, 10));
    EXPECT_FALSE(loupe.geometry().contains(Viewport()->mapToGlobal(QPoint(81, 42))));
    // The white picture shows white, not as the paper beyond it.
    const int nCentre = 1 + CLoupe::kRadius * CLoupe::kScale + CLoupe::kScale / 2;
    EXPECT_EQ(loupe.grab().toImage().pixelColor(nCentre, nCentre), QColor(Qt::white));

    // The arrow keys move by one bitmap pixel; Space clicks there with the keys held.
    m_pView->setFocus();
    QTest::keyClick(m_pView.get(), Qt::Key_Right);
    QTest::keyClick(m_pView.get(), Qt::Key_Right);
    QTest::keyClick(m_pView.get(), Qt::Key_Down);
    EXPECT_EQ(m_pView->GetPointedPixel(), CPoint(22, 11));
    EXPECT_EQ(loupe.GetPixel(), CPoint(22, 11));
    QTest::keyClick(m_pView.get(), Qt::Key_Space, Qt::ShiftModifier);
    ASSERT_EQ(m_Receiver.Messages(), (std::vector<GraphMessage>{WM_GRAPH_BUTTONDOWN, WM_GRAPH_BUTTONUP}));
    for (const CSent& sent : m_Receiver.m_Sent) {
        EXPECT_EQ(sent.point, CPoint(22, 11));
        EXPECT_EQ(sent.nFlags, MK_SHIFT);
    }
    EXPECT_EQ(m_pView->GetMouseState(), CPlotvaneView::MOUSE_IDLE);

    // Past the window's right edge (50 pixels at 400 %) the view scrolls to keep it inside.
    for (int i = 0; i < 40; ++i)
        QTest::keyClick(m_pView.get(), Qt::Key_Right);
    EXPECT_EQ(m_pView->GetPointedPixel(), CPoint(62, 11));
    EXPECT_GT(HScroll(), 0);
    EXPECT_TRUE(Viewport()->rect().contains(m_pView->BitmapToClient(CPoint(62, 11))));
    EXPECT_EQ(loupe.GetPixel(), CPoint(62, 11));

    // A dialog that waits for no click (a drawing tool) has no loupe and leaves the keys alone.
    m_Receiver.m_nKind = CURSOR_PEN;
    m_pView->UpdateCursor();
    EXPECT_FALSE(loupe.isVisible());
    m_Receiver.m_Sent.clear();
    QTest::keyClick(m_pView.get(), Qt::Key_Space);
    EXPECT_TRUE(m_Receiver.m_Sent.empty());
}

TEST(LoupeTest, ShowsThePixelsAroundThePointedOneMagnified)
{
    // Red at (5, 5), the paper beyond the picture's top edge.
    CLoupe loupe(
        [](CPoint p) {
            if (p.y < 0)
                return CLoupe::kOutside;
            return p == CPoint(5, 5) ? 0xFF0000u : 0x00FF00u;
        },
        nullptr);
    QWidget area;
    area.resize(300, 300);
    loupe.ShowAt(area, QPoint(0, 0), CPoint(6, 0));
    const QImage image = loupe.grab().toImage();
    const auto colourOf = [&](int dx, int dy) {
        const int half = CLoupe::kScale / 2;
        return image.pixelColor(1 + (dx + CLoupe::kRadius) * CLoupe::kScale + half,
                                1 + (dy + CLoupe::kRadius) * CLoupe::kScale + half);
    };
    EXPECT_EQ(colourOf(-1, 5), QColor(255, 0, 0));
    EXPECT_EQ(colourOf(0, 0), QColor(0, 255, 0));
    EXPECT_NE(colourOf(0, -1), QColor(0, 255, 0));
    // Placed below right of the pointer, or above left where there is no room; never over it.
    const QSize size = loupe.size();
    EXPECT_EQ(CLoupe::PlaceBeside(QPoint(10, 10), size, QSize(800, 600)), QPoint(34, 34));
    EXPECT_EQ(CLoupe::PlaceBeside(QPoint(790, 590), size, QSize(800, 600)),
              QPoint(790 - 24 - size.width(), 590 - 24 - size.height()));
    EXPECT_EQ(CLoupe::PlaceBeside(QPoint(50, 120), size, QSize(160, 160)),
              QPoint(74, 120 - 24 - size.height()));
}

TEST_F(PlotvaneViewTest, DraggingOutOfTheWindowScrollsUntilTheEnd)
{
    Open(300, 300);
    m_pView->AttachDialog(&m_Receiver);
    QTest::mousePress(Viewport(), Qt::LeftButton, {}, QPoint(150, 100));
    QTest::mouseMove(Viewport(), QPoint(260, 100));
    EXPECT_EQ(m_pView->GetMouseState(), CPlotvaneView::MOUSE_SCROLLING);
    // 25 pixels every 50 ms up to the right end (100).
    EXPECT_TRUE(QTest::qWaitFor([this] { return HScroll() == 100; })) << HScroll();
    EXPECT_EQ(m_pView->verticalScrollBar()->value(), 0);
    // No room left: the next move stops the scrolling although the pointer is still out.
    QTest::mouseMove(Viewport(), QPoint(261, 100));
    EXPECT_EQ(m_pView->GetMouseState(), CPlotvaneView::MOUSE_DRAGGING);
    QTest::mouseMove(Viewport(), QPoint(262, 100));
    QTest::mouseMove(Viewport(), QPoint(-5, 100));
    EXPECT_EQ(m_pView->GetMouseState(), CPlotvaneView::MOUSE_SCROLLING);
    QTest::mouseRelease(Viewport(), Qt::LeftButton, {}, QPoint(-5, 100));
    EXPECT_EQ(m_pView->GetMouseState(), CPlotvaneView::MOUSE_IDLE);
    // Nothing to wait for: two periods of the scrolling pass without a step.
    const int nStopped = HScroll();
    EXPECT_FALSE(
        QTest::qWaitFor([&] { return HScroll() != nStopped; }, 2 * CPlotvaneView::AUTOSCROLL_PERIOD_MS + 20));
    EXPECT_EQ(m_Receiver.Messages(),
              (std::vector<GraphMessage>{WM_GRAPH_BUTTONDOWN, WM_GRAPH_SCROLLDRAG, WM_GRAPH_SCROLLSTOP,
                                         WM_GRAPH_DRAG, WM_GRAPH_SCROLLDRAG, WM_GRAPH_BUTTONUP}));
}

TEST_F(PlotvaneViewTest, ContextMenuFollowsTheSelection)
{
    EXPECT_EQ(CPlotvaneView(m_Doc, nullptr).ContextMenuIndex(), 0);
    Open(600, 500);
    EXPECT_EQ(m_pView->ContextMenuIndex(), 5);
    CCoordSyst* pCoordSyst = m_Doc.AddCoordSyst(std::make_unique<CCoordSyst>(&m_Doc));
    BuildIdentity(*pCoordSyst);
    pCoordSyst->SetSelected(true);
    EXPECT_EQ(m_pView->ContextMenuIndex(), 2);
    CCurve* pCurve = pCoordSyst->AddCurve(std::make_unique<CDiscreteCurve>(pCoordSyst));
    EXPECT_EQ(m_pView->ContextMenuIndex(), 3);
    pCoordSyst->SetSelected(false);
    EXPECT_EQ(m_pView->ContextMenuIndex(), 6);
    pCurve->SetSelected(true);
    EXPECT_EQ(m_pView->ContextMenuIndex(), 4);

    // Delete asks before a coordinate system takes its curves with it.
    pCurve->SetSelected(false);
    pCoordSyst->SetSelected(true);
    CRecordingMessageService messages(true);
    messages.QueueAnswer(CMessageService::Answer::No);
    m_pView->OnDeleteSelected();
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Messages()[0].buttons, CMessageService::Buttons::YesNo);
    EXPECT_EQ(m_Doc.GetCoordSystList().size(), 1u);
    m_pView->OnDeleteSelected();
    EXPECT_TRUE(m_Doc.GetCoordSystList().empty());
}

TEST_F(PlotvaneViewTest, ZoomWindowKeepsDigitsAndShowsFit)
{
    Open(100, 100);
    m_pView->OnZoom();
    QComboBox* pCombo = m_pView->GetZoomDialog()->GetCombo();
    EXPECT_EQ(pCombo->currentText(), "100");
    pCombo->lineEdit()->clear();
    QTest::keyClicks(pCombo->lineEdit(), "1a2");
    EXPECT_EQ(pCombo->currentText(), "12");
    QTest::keyClick(pCombo->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(m_pView->GetZoom(), 12);

    const int nFit = pCombo->findText("Fit");
    ASSERT_EQ(nFit, 4);
    pCombo->setCurrentIndex(nFit);
    emit pCombo->activated(nFit);
    EXPECT_LE(m_pView->GetZoom(), 0);
    pCombo->setCurrentIndex(0);
    m_pView->OnZoom();
    EXPECT_EQ(pCombo->currentText(), "Fit");
    emit pCombo->activated(0);
    EXPECT_EQ(m_pView->GetZoom(), 400);
}

TEST_F(PlotvaneViewTest, TypedZoomKeepsToTheWheelsRange)
{
    Open(100, 100);
    m_pView->OnZoom();
    EXPECT_EQ(m_pView->GetZoomDialog()->parentWidget(), m_pView.get());
    QComboBox* pCombo = m_pView->GetZoomDialog()->GetCombo();
    const auto typeZoom = [pCombo](const char* pszText) {
        pCombo->lineEdit()->clear();
        QTest::keyClicks(pCombo->lineEdit(), pszText);
        QTest::keyClick(pCombo->lineEdit(), Qt::Key_Return);
    };
    for (const char* pszBeyond : {"3201", "99999999999", "0"}) {
        typeZoom(pszBeyond);
        EXPECT_EQ(m_pView->GetZoom(), 100) << pszBeyond;
        EXPECT_TRUE(QTest::qWaitFor([] {
            return QToolTip::text() == QLatin1String("Please enter an integer between 1 and 3200.");
        })) << pszBeyond;
        QToolTip::hideText();
    }
    typeZoom("3200");
    EXPECT_EQ(m_pView->GetZoom(), CPlotvaneView::kMaxZoom);

    // The wheel stops at the same bound.
    const QPoint pointer(50, 50);
    QWheelEvent wheel(pointer, m_pView->viewport()->mapToGlobal(pointer), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(m_pView->viewport(), &wheel);
    EXPECT_EQ(m_pView->GetZoom(), CPlotvaneView::kMaxZoom);
}

TEST(PlotvaneViewFrameTest, StatusBarShowsTheGraphCoordinatesOfTheSelectedSystem)
{
    CPlotvaneDoc doc;
    ASSERT_TRUE(doc.OpenBitmap(MakeTestPicture("status.bmp", 600, 500)));
    CMainFrame frame(doc);
    frame.resize(800, 700);
    frame.show();
    CPlotvaneView* pView = frame.GetView();
    pView->SetZoom(200);
    CCoordSyst* pCoordSyst = doc.AddCoordSyst(std::make_unique<CCoordSyst>(&doc));
    BuildIdentity(*pCoordSyst);
    QLabel* pX = frame.GetStatusBar()->GetPane(2);
    QLabel* pY = frame.GetStatusBar()->GetPane(4);
    QTest::mouseMove(pView->viewport(), QPoint(300, 500));
    EXPECT_EQ(pX->text(), "");
    pCoordSyst->SetSelected(true);
    // Client (300, 500) at 200 % is pixel (150, 250): X = 150, Y = 400 - 250.
    QTest::mouseMove(pView->viewport(), QPoint(300, 501));
    EXPECT_EQ(pX->text(), "150");
    EXPECT_EQ(pY->text(), "150");
}

TEST(PlotvaneViewZoomTest, ANewPictureOpensAtFitWhenLargerThanTheViewElseAt100)
{
    CPlotvaneDoc doc;
    CPlotvaneView view(doc, nullptr);
    const auto openPicture = [&doc](int nWidth, int nHeight) {
        QImage picture(nWidth, nHeight, QImage::Format_RGB32);
        picture.fill(Qt::white);
        const std::vector<uint8_t> dib = CClipboardPicture::ToPackedDib(picture);
        ASSERT_TRUE(doc.GetBmpManager()->SetFromScannedDib(dib.data(), dib.size()));
        doc.ReinitializeViews();
    };
    // Not on the screen yet (as at start-up): chosen once it is, at the size it has then.
    view.SetZoom(400);
    openPicture(300, 200);
    view.resize(400, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(view.GetZoom(), 400);
    view.show();
    EXPECT_TRUE(QTest::qWaitFor([&view] { return view.GetZoom() == 100; }, 5000)) << view.GetZoom();
    ASSERT_TRUE(view.windowHandle()->isExposed());

    // A large scan, then a small picture: each at its own zoom, not the one before.
    openPicture(1200, 900);
    EXPECT_LE(view.GetZoom(), 0);
    openPicture(150, 100);
    EXPECT_EQ(view.GetZoom(), 100);
    view.SetZoom(400);
    openPicture(150, 100);
    EXPECT_EQ(view.GetZoom(), 100);
    // Larger in one direction is larger.
    openPicture(390, 310);
    EXPECT_LE(view.GetZoom(), 0);
}
