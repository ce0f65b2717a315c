#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "Dm/CoordSyst.h"
#include "Dm/DensityCurve.h"
#include "Dm/DensityResults.h"
#include "WizardTestSupport.h"
#include "main/fields/ColorChooseDialog.h"
#include "main/fields/ColorScaleButton.h"
#include "main/wizard/ConstructionCommands.h"
#include "main/steps/densito/DensitoDlgDrawState.h"
#include "main/steps/densito/DensitoDlgPickState.h"
#include "main/steps/densito/DensitoDlgWaitState.h"
#include "main/steps/densito/DensitoPeriodDialog.h"
#include "main/steps/densito/DensitoPreviewWnd.h"
#include "main/steps/densito/DensitometryDialog.h"
#include "main/fields/ValueEdit.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {

constexpr uint32_t kBlack = 0xFF000000u;
constexpr uint32_t kWhite = 0xFFFFFFFFu;

// A white picture with a band from x 150 to 250 (rows 90 to 110) going from black on the
// left to light grey on the right, and a red square at (20, 20).
QImage BandPicture()
{
    QImage picture(400, 300, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int x = 150; x <= 250; ++x)
        for (int y = 90; y <= 110; ++y)
            picture.setPixel(x, y, qRgb(2 * (x - 150), 2 * (x - 150), 2 * (x - 150)));
    for (int x = 15; x <= 25; ++x)
        for (int y = 15; y <= 25; ++y)
            picture.setPixel(x, y, qRgb(255, 0, 0));
    return picture;
}

int CountInk(const QImage& image)
{
    int nInk = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            nInk += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
    return nInk;
}

// A densitometry curve under construction on an upright coordinate system.
class DensitometryDialogTest : public ::testing::Test {
protected:
    DensitometryDialogTest()
    {
        m_Bench.SetPicture(BandPicture());
        m_pCoordSyst = AddUprightCoordSyst(m_Bench.m_Doc);
        m_pCoordSyst->ComputeTransform();
        m_pCoordSyst->SetSelected(true);
        CConstructionCommands(m_Bench.m_View, m_Bench.m_Doc).NewCurve(ECurveKind::Density);
        Dialog().activateWindow();
        CWizardBench::Settle();
    }
    CDensitometryDialog& Dialog() const { return *dynamic_cast<CDensitometryDialog*>(m_Bench.Dialog()); }
    CDensityCurve& Curve() const { return Dialog().GetCurve(); }
    void Draw(CPoint from, CPoint to, unsigned nFlags = 0) const
    {
        m_Bench.Send(WM_GRAPH_BUTTONDOWN, from, nFlags);
        m_Bench.Send(WM_GRAPH_DRAG, to, nFlags);
        m_Bench.Send(WM_GRAPH_BUTTONUP, to, nFlags);
    }
    template <typename T>
    bool InState() const
    {
        return dynamic_cast<T*>(Dialog().GetState()) != nullptr;
    }
    QPushButton* Button(const char* pszName) const
    {
        return Dialog().findChild<QPushButton*>(QString::fromLatin1(pszName));
    }
    CValueEdit* Edit(const char* pszName) const
    {
        return Dialog().findChild<CValueEdit*>(QString::fromLatin1(pszName));
    }

    CWizardBench m_Bench;
    CCoordSyst* m_pCoordSyst = nullptr;
};

}  // namespace

TEST_F(DensitometryDialogTest, SegmentColoursPreviewAndFinish)
{
    ASSERT_NE(m_Bench.Dialog(), nullptr);
    EXPECT_EQ(Dialog().GetTemplateId(), CDensitometryDialog::IDD_DENSITOMETRY);
    ASSERT_TRUE(InState<CDensitoDlgDrawState>());
    EXPECT_TRUE(Button("drawSegmentButton")->isChecked());
    EXPECT_EQ(Dialog().GetCursorKind(), CURSOR_CROSS);
    EXPECT_FALSE(Button("previewButton")->isEnabled());
    EXPECT_FALSE(Dialog().GetNextButton()->isEnabled());
    EXPECT_EQ(Dialog().GetNextButton()->text(), QStringLiteral("Finish"));

    // A click without movement stores nothing.
    Draw({150, 100}, {150, 100});
    EXPECT_FALSE(Curve().HasSegment());
    EXPECT_TRUE(InState<CDensitoDlgDrawState>());

    // Shift: exactly horizontal, the nearer direction.
    Draw({150, 100}, {250, 108}, MK_SHIFT);
    ASSERT_TRUE(Curve().HasSegment());
    EXPECT_EQ(Curve().GetStart(), CPoint(150, 100));
    EXPECT_EQ(Curve().GetEnd(), CPoint(250, 100));
    EXPECT_TRUE(InState<CDensitoDlgWaitState>());
    EXPECT_FALSE(Button("drawSegmentButton")->isChecked());
    EXPECT_TRUE(Button("previewButton")->isEnabled());
    EXPECT_TRUE(Dialog().GetNextButton()->isEnabled());

    // Colours picked on the picture; the same pick button again leaves the pick.
    Dialog().OnPickButton(true);
    ASSERT_TRUE(InState<CDensitoDlgPickState>());
    EXPECT_TRUE(Button("pickTopButton")->isChecked());
    EXPECT_EQ(Dialog().GetCursorKind(), CURSOR_PIPETTE);
    m_Bench.Send(WM_GRAPH_BUTTONUP, {20, 20});
    EXPECT_EQ(Dialog().GetScaleColor(true) & 0xFFFFFF, 0xFF0000u);
    EXPECT_TRUE(InState<CDensitoDlgWaitState>());
    Dialog().OnPickButton(false);
    Dialog().OnPickButton(false);
    EXPECT_TRUE(InState<CDensitoDlgWaitState>());
    Dialog().OnPickButton(false);
    m_Bench.Send(WM_GRAPH_BUTTONUP, {60, 200});
    EXPECT_EQ(Dialog().GetScaleColor(false) & 0xFFFFFF, 0xFFFFFFu);
    Dialog().OnPickButton(true);
    m_Bench.Send(WM_GRAPH_BUTTONUP, {150, 100});
    EXPECT_EQ(Dialog().GetScaleColor(true) & 0xFFFFFF, 0u);
    EXPECT_EQ(Dialog().findChild<CColorScaleButton*>()->GetTopColor() & 0xFFFFFF, 0u);

    // Preview: made once, made again after it was closed.
    Dialog().OnPreview();
    CDensitoPreviewWnd* pPreview = Dialog().GetPreview();
    ASSERT_NE(pPreview, nullptr);
    EXPECT_TRUE(pPreview->isVisible());
    EXPECT_EQ(pPreview->geometry().size(), QSize(600, 300));
    EXPECT_EQ(Curve().GetValues().size(), 101u);
    EXPECT_DOUBLE_EQ(Curve().GetValues().front(), 100.0);
    Dialog().OnPreview();
    EXPECT_EQ(Dialog().GetPreview(), pPreview);
    pPreview->close();
    CWizardBench::Settle();
    EXPECT_EQ(Dialog().GetPreview(), nullptr);
    Dialog().OnPreview();
    EXPECT_NE(Dialog().GetPreview(), nullptr);

    // Finish: the scale and the name in the curve, the curve sampled; the preview goes.
    QLineEdit* pName = Dialog().findChild<QLineEdit*>(QStringLiteral("nameEdit"));
    pName->setText(QStringLiteral("Band"));
    QPointer<CDensitoPreviewWnd> pSecond = Dialog().GetPreview();
    WhenModal([](QWidget* pModal) { static_cast<QDialog*>(pModal)->reject(); });  // export "Later"
    Dialog().OnNext();
    CWizardBench::Settle();
    EXPECT_EQ(pSecond, nullptr);
    EXPECT_EQ(m_Bench.Dialog(), nullptr);
    ASSERT_EQ(m_pCoordSyst->GetCurveList().size(), 1u);
    auto* pCurve = dynamic_cast<CDensityCurve*>(m_pCoordSyst->GetCurveList().front().get());
    ASSERT_NE(pCurve, nullptr);
    EXPECT_EQ(pCurve->GetName(), "Band");
    EXPECT_EQ(pCurve->GetColorScale().GetTopColor(), kBlack);
    EXPECT_EQ(pCurve->GetColorScale().GetBottomColor(), kWhite);
    EXPECT_EQ(pCurve->GetEnd(), CPoint(250, 100));
}

TEST_F(DensitometryDialogTest, DrawingButtonAndShiftDirections)
{
    // Nearer the vertical with Shift: exactly vertical; 45 degrees counts as vertical.
    Draw({200, 50}, {206, 150}, MK_SHIFT);
    EXPECT_EQ(Curve().GetEnd(), CPoint(200, 150));
    Dialog().OnDrawButton();
    ASSERT_TRUE(InState<CDensitoDlgDrawState>());
    Draw({100, 100}, {140, 140}, MK_SHIFT);
    EXPECT_EQ(Curve().GetEnd(), CPoint(100, 140));
    Dialog().OnDrawButton();
    Dialog().OnDrawButton();
    EXPECT_TRUE(InState<CDensitoDlgWaitState>()) << "pressed in the draw state: back to waiting";
}

TEST_F(DensitometryDialogTest, ValidationOfTheScale)
{
    Draw({150, 100}, {250, 100});
    CValueEdit* pTop = Edit("topValueEdit");
    CValueEdit* pBottom = Edit("bottomValueEdit");
    EXPECT_EQ(pTop->text(), QStringLiteral("100")) << "the default scale";
    EXPECT_EQ(pBottom->text(), QStringLiteral("0"));

    pBottom->clear();
    Dialog().OnNext();
    ASSERT_EQ(m_Bench.m_Messages.Count(), 1u);
    EXPECT_EQ(m_Bench.m_Messages.LastText(), "You must give a value !");
    EXPECT_EQ(pBottom->window()->focusWidget(), pBottom);
    EXPECT_NE(m_Bench.Dialog(), nullptr);

    pBottom->SetValue(100);
    Dialog().OnPreview();
    EXPECT_EQ(m_Bench.m_Messages.LastText(), "The two scale values must be different !");
    EXPECT_EQ(pTop->window()->focusWidget(), pTop);
    EXPECT_EQ(Dialog().GetPreview(), nullptr);

    pBottom->SetValue(0);
    Dialog().SetScaleColor(false, kBlack);
    Dialog().OnUseAsDefault();
    EXPECT_EQ(m_Bench.m_Messages.LastText(), "The two scale colors must be different !");
    EXPECT_EQ(m_Bench.m_Messages.Count(), 3u);

    // Typing a value marks the curve modified.
    Curve().SetModified(false);
    QTest::keyClicks(pTop, QStringLiteral("5"));
    EXPECT_TRUE(Curve().GetModified());
}

TEST(DensitoPreviewWnd, PlotsOnlyWhenThereIsRoom)
{
    CDensityCurve curve;
    curve.SetSegment({0, 0}, {10, 0});
    QImage image(600, 300, QImage::Format_RGB32);
    for (int nWidth : {600, 210, 209}) {
        image.fill(Qt::white);
        QPainter painter(&image);
        CDensitoPreviewWnd::Paint(painter, QRect(0, 0, nWidth, 300), curve);
        painter.end();
        if (nWidth >= 210)
            EXPECT_GT(CountInk(image), 0) << nWidth;
        else
            EXPECT_EQ(CountInk(image), 0) << "narrower than 80 + 100 + 30";
    }
}

TEST(ColorChooser, SlidersFieldsAndGradient)
{
    CColorChooseDialog dialog(0xFF102030u);
    auto* pRed = dialog.findChild<QSlider*>(QStringLiteral("redSlider"));
    auto* pGreenEdit = dialog.findChild<QLineEdit*>(QStringLiteral("greenEdit"));
    ASSERT_NE(pRed, nullptr);
    ASSERT_NE(pGreenEdit, nullptr);
    EXPECT_EQ(pRed->value(), 255 - 0x10);
    EXPECT_EQ(pGreenEdit->text(), QStringLiteral("32"));

    pRed->setValue(5);
    EXPECT_EQ(dialog.GetChannel(0), 250);
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("redEdit"))->text(), QStringLiteral("250"));
    pGreenEdit->selectAll();
    QTest::keyClicks(pGreenEdit, QStringLiteral("300"));
    EXPECT_EQ(pGreenEdit->text(), QStringLiteral("255")) << "clamped";
    EXPECT_EQ(dialog.findChild<QSlider*>(QStringLiteral("greenSlider"))->value(), 0);
    EXPECT_EQ(dialog.GetColor(), 0xFFFAFF30u);

    // Row i of h: top + trunc(i / h x (bottom - top)) per channel.
    EXPECT_EQ(CColorScaleButton::RowColor(0xFF000000u, 0xFFFFFFFFu, 0, 10), 0xFF000000u);
    EXPECT_EQ(CColorScaleButton::RowColor(0xFF000000u, 0xFFFFFFFFu, 9, 10), 0xFFE5E5E5u);
    EXPECT_EQ(CColorScaleButton::RowColor(0xFFFF0000u, 0xFF000000u, 1, 3), 0xFFAA0000u);
}

namespace {

// The period dialog on a finished density curve of the band picture.
class DensitoPeriodTest : public ::testing::Test {
protected:
    DensitoPeriodTest()
    {
        m_pCoordSyst = AddUprightCoordSyst(m_Bench.m_Doc);
        m_pCoordSyst->ComputeTransform();
        m_pCurve = static_cast<CDensityCurve*>(
            m_pCoordSyst->AddCurve(std::make_unique<CDensityCurve>(m_pCoordSyst, nullptr)));
    }
    CDensityResults& Results() const { return static_cast<CDensityResults&>(*m_pCurve->GetResults()); }
    static void Show(QDialog& dialog)
    {
        dialog.show();
        dialog.activateWindow();
        CWizardBench::Settle();
    }
    static void Type(CValueEdit* pEdit, const char* pszText)
    {
        pEdit->setFocus();
        pEdit->selectAll();
        QTest::keyClicks(pEdit, QString::fromLatin1(pszText));
    }

    CWizardBench m_Bench;
    CCoordSyst* m_pCoordSyst = nullptr;
    CDensityCurve* m_pCurve = nullptr;
};

}  // namespace

TEST_F(DensitoPeriodTest, FrequencyPeriodAndCancel)
{
    m_pCurve->SetSegment({100, 250}, {300, 50});  // X 0 … 10, Y 0 … 100
    Results().SetFirstX(1);
    const double dFirstY = Results().GetFirstY();
    CDensitoPeriodDialog dialog(*m_pCurve);
    EXPECT_EQ(TopicShownByF1(dialog), QUrl(QStringLiteral("qrc:/help/en/densitometry-period.html")));
    Show(dialog);
    EXPECT_EQ(dialog.GetCountText(), QStringLiteral("0"));
    EXPECT_FALSE(dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->isEnabled());

    Type(dialog.FrequencyEdit(true), "2");
    EXPECT_EQ(dialog.PeriodEdit(true)->text(), QStringLiteral("0.5"));
    EXPECT_EQ(dialog.PeriodEdit(false)->text(), QStringLiteral("5"));
    EXPECT_EQ(dialog.FrequencyEdit(false)->text(), QStringLiteral("0.2"));
    EXPECT_EQ(dialog.GetCountText(), QStringLiteral("19"));
    EXPECT_TRUE(dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->isEnabled());
    Type(dialog.FirstEdit(true), "2");
    EXPECT_EQ(dialog.FirstEdit(false)->text(), QStringLiteral("20"));

    // A first point beyond the segment is refused by OK.
    Type(dialog.FirstEdit(true), "12");
    dialog.accept();
    EXPECT_EQ(m_Bench.m_Messages.LastText(), CStringTable::Get(IDS_VALUE_OUTSIDE_RANGE));
    EXPECT_EQ(dialog.FirstEdit(true)->window()->focusWidget(), dialog.FirstEdit(true));

    // Cancel: the results as they were.
    Type(dialog.PeriodEdit(true), "0");
    EXPECT_FALSE(Results().IsPeriodDefined());
    dialog.reject();
    EXPECT_FALSE(Results().IsPeriodDefined());
    EXPECT_DOUBLE_EQ(Results().GetFirstX(), 1.0);
    EXPECT_DOUBLE_EQ(Results().GetFirstY(), dFirstY);

    Results().SetXPeriod(0.25);
    CDensitoPeriodDialog again(*m_pCurve);
    Type(again.FrequencyEdit(true), "1");
    again.reject();
    EXPECT_DOUBLE_EQ(Results().GetXPeriod(), 0.25);
    EXPECT_DOUBLE_EQ(Results().GetYPeriod(), 2.5);
}

TEST_F(DensitoPeriodTest, VerticalSegmentUsesYOnly)
{
    m_pCurve->SetSegment({150, 250}, {150, 50});
    CDensitoPeriodDialog dialog(*m_pCurve);
    Show(dialog);
    auto* pX = dialog.findChild<QRadioButton*>(QStringLiteral("xRadio"));
    auto* pY = dialog.findChild<QRadioButton*>(QStringLiteral("yRadio"));
    auto* pBoth = dialog.findChild<QRadioButton*>(QStringLiteral("bothRadio"));
    EXPECT_TRUE(pY->isChecked());
    EXPECT_TRUE(pY->isEnabled());
    EXPECT_FALSE(pX->isEnabled());
    EXPECT_FALSE(pBoth->isEnabled());
    EXPECT_FALSE(dialog.FirstEdit(true)->isEnabled());
    EXPECT_TRUE(dialog.FirstEdit(true)->text().isEmpty());
    EXPECT_TRUE(dialog.PeriodEdit(false)->isEnabled());

    // Too many rows: "Error !", and OK refuses with the focus on the master's frequency.
    Type(dialog.PeriodEdit(false), "0.00001");
    EXPECT_EQ(dialog.GetCountText(), QStringLiteral("Error !"));
    dialog.accept();
    EXPECT_EQ(m_Bench.m_Messages.LastText(), CStringTable::Get(IDS_TOO_MANY_POINTS));
    EXPECT_EQ(dialog.FrequencyEdit(false)->window()->focusWidget(), dialog.FrequencyEdit(false));
}
