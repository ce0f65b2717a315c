#include <algorithm>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QToolBar>
#include <gtest/gtest.h>

#include "Dm/CoordSyst.h"
#include "Dm/PlotvaneDoc.h"
#include "ShellTestSupport.h"
#include "WizardTestSupport.h"
#include "main/frame/CommandIds.h"
#include "main/frame/CommandState.h"
#include "main/wizard/ConstructionDialog.h"
#include "main/frame/FrameStatusBar.h"
#include "main/frame/MainFrame.h"
#include "main/view/PlotvaneView.h"
#include "main/frame/ShellState.h"
#include "main/view/ViewCommands.h"
#include "main/wizard/WindowCurveKinds.h"

namespace {

// A view that records the commands it is given.
class CRecordingView : public CViewCommands {
public:
    bool IsConstructionActive() const override { return m_bConstruction; }
    void OnNewCurve(ECurveKind kind) override { m_Calls.push_back(CWindowCurveKinds::Of(kind).nCommandId); }
    void OnNewCoordSyst() override { m_Calls.push_back(ID_CONSTRUCT_COORDSYST); }
    void OnNewCoordSystAndCurve() override { m_Calls.push_back(ID_CONSTRUCT_BOTH); }
    void OnModifySelected() override { m_Calls.push_back(ID_MODIFY_SELECTED); }
    void OnDeleteSelected() override { m_Calls.push_back(ID_DELETE_SELECTED); }
    void OnZoom() override { m_Calls.push_back(ID_VIEW_ZOOM); }

    bool m_bConstruction = false;
    std::vector<unsigned> m_Calls;
};

// What CollectItems records for a visible item that is none of the window's commands.
constexpr unsigned kNotACommand = ~0u;

bool Enabled(unsigned nId, const CPlotvaneDoc& doc, const CShellState& state)
{
    return CCommandState::IsEnabled(nId, doc, state);
}

// The items of a menu and its submenus, separators as 0, submenus as their items, each
// command as its number.
void CollectItems(const CMainFrame& frame, QMenu* pMenu, std::vector<unsigned>& items)
{
    for (QAction* pAction : pMenu->actions()) {
        if (pAction->isSeparator()) {
            // The recent documents' separator shows only with the list.
            if (pAction->isVisible())
                items.push_back(0);
        } else if (pAction->menu() != nullptr) {
            CollectItems(frame, pAction->menu(), items);
        } else {
            const std::vector<unsigned> ids = frame.GetCommandIds();
            const auto it = std::find_if(ids.begin(), ids.end(),
                                         [&](unsigned nId) { return frame.GetAction(nId) == pAction; });
            items.push_back(it != ids.end() ? *it : kNotACommand);
        }
    }
}

}  // namespace

TEST(CommandStateTest, AnEmptyDocumentOffersOnlyOpeningOptionsAndHelp)
{
    CPlotvaneDoc doc;
    const CShellState idle;
    EXPECT_TRUE(Enabled(ID_FILE_OPEN_GRAPHIC, doc, idle));
    EXPECT_TRUE(Enabled(ID_FILE_OPEN, doc, idle));
    EXPECT_TRUE(Enabled(ID_OPTIONS, doc, idle));
    EXPECT_TRUE(Enabled(ID_APP_ABOUT, doc, idle));
    for (unsigned nId :
         {ID_FILE_SAVE_AS, ID_FILE_EXPORT, ID_CONSTRUCT_COORDSYST, ID_CONSTRUCT_BOTH, ID_NEW_CONTINUOUS_CURVE,
          ID_NEW_SPLINE_CURVE, ID_NEW_DISCRETE_CURVE, ID_NEW_DENSITY_CURVE, ID_MODIFY_SELECTED,
          ID_DELETE_SELECTED, ID_VIEW_ZOOM, ID_SCANNER_SELECT_SOURCE, ID_SCANNER_IMPORT})
        EXPECT_FALSE(Enabled(nId, doc, idle)) << nId;
}

TEST(CommandStateTest, ABitmapEnablesSavingConstructionAndZoomUntilAConstructionRuns)
{
    CPlotvaneDoc doc;
    ASSERT_TRUE(doc.OpenBitmap(MakeTestPicture("graph.bmp", 40, 30)));
    CShellState state;
    for (unsigned nId : {ID_FILE_SAVE_AS, ID_CONSTRUCT_COORDSYST, ID_CONSTRUCT_BOTH, ID_VIEW_ZOOM})
        EXPECT_TRUE(Enabled(nId, doc, state)) << nId;
    // Curves need a coordinate system, export needs a curve.
    EXPECT_FALSE(Enabled(ID_NEW_CONTINUOUS_CURVE, doc, state));
    EXPECT_FALSE(Enabled(ID_FILE_EXPORT, doc, state));

    state.m_bConstructionActive = true;
    for (unsigned nId : {ID_FILE_OPEN_GRAPHIC, ID_FILE_OPEN, ID_FILE_SAVE_AS, ID_CONSTRUCT_COORDSYST,
                         ID_CONSTRUCT_BOTH, ID_OPTIONS})
        EXPECT_FALSE(Enabled(nId, doc, state)) << nId;
    // Zoom stays usable while constructing.
    EXPECT_TRUE(Enabled(ID_VIEW_ZOOM, doc, state));
}

TEST(CommandStateTest, ScannerCommandsNeedAViewAndAScannerThatCanAcquire)
{
    CPlotvaneDoc doc;
    CShellState state;
    state.m_bViewExists = true;
    state.m_bScannerExists = true;
    state.m_bScannerCanAcquire = true;
    EXPECT_TRUE(Enabled(ID_SCANNER_IMPORT, doc, state));
    EXPECT_TRUE(Enabled(ID_SCANNER_SELECT_SOURCE, doc, state));
    state.m_bScannerCanAcquire = false;
    EXPECT_FALSE(Enabled(ID_SCANNER_IMPORT, doc, state));
    state.m_bScannerCanAcquire = true;
    state.m_bViewExists = false;
    EXPECT_FALSE(Enabled(ID_SCANNER_SELECT_SOURCE, doc, state));
    // A busy scanner holds back opening anything else.
    state.m_bScannerBusy = true;
    EXPECT_FALSE(Enabled(ID_FILE_OPEN_GRAPHIC, doc, state));
}

TEST(MainFrameTest, MenusHoldEveryCommandInOrderWithSeparators)
{
    ClearTestSettings();  // no recent documents
    CPlotvaneDoc doc;
    CMainFrame frame(doc);
    std::vector<unsigned> items;
    for (int i = 0; frame.GetMenu(i) != nullptr; ++i)
        CollectItems(frame, frame.GetMenu(i), items);
    const std::vector<unsigned> expected = {ID_FILE_OPEN_GRAPHIC,
                                            ID_EDIT_PASTE,
                                            ID_SCANNER_SELECT_SOURCE,
                                            ID_SCANNER_IMPORT,
                                            ID_FILE_EXPORT,
                                            0,
                                            ID_FILE_OPEN,
                                            ID_FILE_SAVE_AS,
                                            0,
                                            ID_APP_EXIT,
                                            ID_NEW_CONTINUOUS_CURVE,
                                            ID_NEW_SPLINE_CURVE,
                                            ID_NEW_DISCRETE_CURVE,
                                            ID_NEW_DENSITY_CURVE,
                                            ID_CONSTRUCT_COORDSYST,
                                            ID_CONSTRUCT_BOTH,
                                            0,
                                            ID_MODIFY_SELECTED,
                                            0,
                                            ID_DELETE_SELECTED,
                                            ID_VIEW_TOOLBAR,
                                            ID_VIEW_ZOOM,
                                            ID_OPTIONS,
                                            ID_HELP_FINDER,
                                            0,
                                            ID_APP_ABOUT};
    EXPECT_EQ(items, expected);
    // Every command of the window is in a menu once, but the two help keys, which act
    // anywhere in the window without a menu item.
    for (unsigned nId : frame.GetCommandIds()) {
        const bool bWindowKey = frame.actions().contains(frame.GetAction(nId));
        EXPECT_EQ(std::count(items.begin(), items.end(), nId) + (bWindowKey ? 1 : 0), 1) << nId;
    }
    EXPECT_EQ(frame.actions(), (QList<QAction*>{frame.GetAction(ID_HELP), frame.GetAction(ID_CONTEXT_HELP)}));

    EXPECT_EQ(frame.GetAction(ID_FILE_OPEN_GRAPHIC)->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(frame.GetAction(ID_FILE_EXPORT)->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));
    EXPECT_EQ(frame.GetAction(ID_HELP)->shortcut(), QKeySequence(QStringLiteral("F1")));
    EXPECT_EQ(frame.GetAction(ID_CONTEXT_HELP)->shortcut(), QKeySequence(QStringLiteral("Shift+F1")));
    EXPECT_EQ(frame.GetAction(ID_FILE_EXPORT)->statusTip(), QStringLiteral("Export curves data."));
    EXPECT_EQ(frame.GetAction(ID_FILE_EXPORT)->toolTip(), QStringLiteral("Export data"));
    EXPECT_TRUE(frame.GetAction(ID_MODIFY_SELECTED)->statusTip().isEmpty());

    const std::vector<unsigned> buttons = {
        ID_FILE_OPEN_GRAPHIC,    ID_FILE_EXPORT,      0,
        ID_NEW_CONTINUOUS_CURVE, ID_NEW_SPLINE_CURVE, ID_NEW_DISCRETE_CURVE,
        ID_NEW_DENSITY_CURVE,    ID_CONSTRUCT_BOTH,   ID_CONSTRUCT_COORDSYST};
    const QList<QAction*> tools = frame.GetToolBar()->actions();
    ASSERT_EQ(tools.size(), static_cast<qsizetype>(buttons.size()));
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i] == 0) {
            EXPECT_TRUE(tools[i]->isSeparator());
        } else {
            EXPECT_EQ(tools[i], frame.GetAction(buttons[i])) << i;
            EXPECT_FALSE(tools[i]->icon().pixmap(QSize(24, 24)).isNull()) << i;
        }
    }
}

TEST(MainFrameTest, CommandsFollowTheDocumentAndTheView)
{
    CPlotvaneDoc doc;
    CMainFrame frame(doc);
    CRecordingView view;
    frame.SetViewCommands(&view);
    EXPECT_FALSE(frame.GetAction(ID_VIEW_ZOOM)->isEnabled());
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Untitled - Plotvane"));

    ASSERT_TRUE(doc.OpenBitmap(MakeTestPicture("graph.bmp", 40, 30)));
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("graph.bmp - Plotvane"));
    EXPECT_TRUE(frame.GetAction(ID_VIEW_ZOOM)->isEnabled());
    EXPECT_TRUE(frame.GetAction(ID_CONSTRUCT_BOTH)->isEnabled());

    frame.GetAction(ID_CONSTRUCT_BOTH)->trigger();
    frame.GetAction(ID_VIEW_ZOOM)->trigger();
    // Disabled commands do not reach the view.
    frame.GetAction(ID_NEW_CONTINUOUS_CURVE)->trigger();
    EXPECT_EQ(view.m_Calls, (std::vector<unsigned>{ID_CONSTRUCT_BOTH, ID_VIEW_ZOOM}));

    view.m_bConstruction = true;
    frame.UpdateCommandStates();
    EXPECT_FALSE(frame.GetAction(ID_FILE_OPEN_GRAPHIC)->isEnabled());
    EXPECT_FALSE(frame.GetAction(ID_CONSTRUCT_BOTH)->isEnabled());
    EXPECT_TRUE(frame.GetAction(ID_VIEW_ZOOM)->isEnabled());
    frame.SetViewCommands(nullptr);
}

TEST(MainFrameTest, StatusBarHasFivePanesSizedByTheFont)
{
    EXPECT_EQ(CFrameStatusBar::CharWidthUnit(0), 5);
    EXPECT_EQ(CFrameStatusBar::CharWidthUnit(7), 7);

    CPlotvaneDoc doc;
    CMainFrame frame(doc);
    CFrameStatusBar* pBar = frame.GetStatusBar();
    const int w = CFrameStatusBar::CharWidthUnit(QFontMetrics(pBar->font()).averageCharWidth());
    EXPECT_EQ(pBar->GetPane(0)->text(), QStringLiteral("For Help, press F1"));
    EXPECT_EQ(pBar->GetPane(1)->text(), QStringLiteral(" X="));
    EXPECT_EQ(pBar->GetPane(3)->text(), QStringLiteral(" Y="));
    EXPECT_EQ(pBar->GetPane(1)->width(), 4 * w);
    EXPECT_EQ(pBar->GetPane(2)->width(), 15 * w);
    EXPECT_EQ(pBar->GetPane(4)->width(), 15 * w);
    frame.SetCoordinateTexts(QStringLiteral("1.5"), QStringLiteral("-2"));
    EXPECT_EQ(pBar->GetPane(2)->text(), QStringLiteral("1.5"));
    EXPECT_EQ(pBar->GetPane(4)->text(), QStringLiteral("-2"));
}

TEST(MainFrameTest, ModifyAndDeleteFollowTheSelectionAWizardLeaves)
{
    CPlotvaneDoc doc;
    ASSERT_TRUE(doc.OpenBitmap(MakeTestPicture("wizard.bmp", 400, 300)));
    CMainFrame frame(doc);
    CCoordSyst* pCoordSyst = AddUprightCoordSyst(doc);
    pCoordSyst->SetSelected(true);
    frame.UpdateCommandStates();
    frame.GetAction(ID_NEW_DISCRETE_CURVE)->trigger();
    CConstructionDialog* pDialog = dynamic_cast<CConstructionDialog*>(frame.GetView()->GetAttachedDialog());
    ASSERT_NE(pDialog, nullptr);
    EXPECT_FALSE(frame.GetAction(ID_MODIFY_SELECTED)->isEnabled());
    pDialog->OnGraphMessage(WM_GRAPH_BUTTONUP, 0, {150, 200});
    // No menu opened in between: the finished wizard selected its coordinate system.
    FinishWithoutExport(*pDialog);
    ASSERT_TRUE(pCoordSyst->IsSelected());
    EXPECT_TRUE(frame.GetAction(ID_MODIFY_SELECTED)->isEnabled());
    EXPECT_TRUE(frame.GetAction(ID_DELETE_SELECTED)->isEnabled());
}
