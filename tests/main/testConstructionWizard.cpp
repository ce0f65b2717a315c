#include <memory>

#include <QImage>
#include <QPointer>
#include <QPushButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "Dm/ContinuousCurve.h"
#include "Dm/CoordSyst.h"
#include "Dm/DiscreteCurve.h"
#include "Dm/Limit.h"
#include "ShellTestSupport.h"
#include "WizardTestSupport.h"
#include "main/steps/axes/AxeDialog.h"
#include "main/steps/axes/AxeWaitState.h"
#include "main/wizard/ConstructionCommands.h"
#include "main/wizard/CurveKindDialog.h"
#include "main/steps/discrete/DiscreteDialog.h"
#include "main/export/ExportPromptDlg.h"
#include "main/wizard/Sequence.h"
#include "main/wizard/StepDialogPlace.h"
#include "main/fields/ValueEdit.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {

using Answer = CMessageService::Answer;

// Answers the next curve kind dialog with nKind and "Next >>", noting the kind it showed.
void ChooseKind(int nKind, int& nShown)
{
    WhenModal([nKind, &nShown](QWidget* pModal) {
        auto* pKind = qobject_cast<CCurveKindDialog*>(pModal);
        ASSERT_NE(pKind, nullptr);
        nShown = pKind->GetKind();
        pKind->SetKind(nKind);
        pKind->OnNext();
    });
}

QString Text(unsigned nId)
{
    return QString::fromStdString(CStringTable::Get(nId));
}

}  // namespace

TEST(ConstructionWizard, CoordinateSystemStepsFromFirstToFinish)
{
    CWizardBench bench;
    CConstructionCommands(bench.m_View, bench.m_Doc).NewCoordSyst();
    ASSERT_EQ(bench.m_Doc.GetCoordSystList().size(), 1u);
    CCoordSyst* pCoordSyst = bench.m_Doc.GetCoordSystList().front().get();

    CAxeDialog* pX = bench.AxeDialog();
    ASSERT_NE(pX, nullptr);
    EXPECT_EQ(pX->GetTemplateId(), CAxeDialog::IDD_X_AXIS);
    EXPECT_TRUE(pX->GetPreviousButton()->isHidden());
    EXPECT_EQ(pX->GetNextButton()->text(), Text(IDS_NEXT));
    EXPECT_FALSE(pX->GetNextButton()->isEnabled());
    bench.DefineAxis({100, 250}, {300, 250}, {100, 250}, "0", {300, 250}, "10");
    EXPECT_TRUE(pX->GetNextButton()->isEnabled());
    pX->OnNext();

    CAxeDialog* pY = bench.AxeDialog();
    ASSERT_NE(pY, nullptr);
    EXPECT_EQ(pY->GetTemplateId(), CAxeDialog::IDD_Y_AXIS);
    EXPECT_FALSE(pY->GetPreviousButton()->isHidden());
    EXPECT_EQ(pY->GetNextButton()->text(), Text(IDS_FINISH));

    // Back to X: the values are shown, nothing is missing.
    pY->OnPrevious();
    pX = bench.AxeDialog();
    ASSERT_NE(pX, nullptr);
    EXPECT_EQ(pX->GetValueEdit(2)->text(), QStringLiteral("10"));
    EXPECT_NE(dynamic_cast<CAxeWaitState*>(pX->GetState()), nullptr);
    EXPECT_TRUE(pX->GetNextButton()->isEnabled());
    pX->OnNext();

    bench.DefineAxis({100, 250}, {100, 50}, {100, 250}, "0", {100, 50}, "100");
    bench.AxeDialog()->OnNext();
    EXPECT_EQ(bench.m_View.GetAttachedDialog(), nullptr);
    CWizardBench::Settle();
    EXPECT_EQ(bench.m_View.GetSequence(), nullptr);
    EXPECT_TRUE(pCoordSyst->IsSelected());
    EXPECT_EQ(bench.m_Doc.CoordSystCounter(), 2);
    EXPECT_NEAR(pCoordSyst->PixelToGraph(200, 150).x, 5.0, 1e-9);
    EXPECT_NEAR(pCoordSyst->PixelToGraph(200, 150).y, 50.0, 1e-9);
}

TEST(ConstructionWizard, NextKeepsAMovedDialogsPlaceCancelDoesNot)
{
    CStepDialogPlace::Forget();
    CWizardBench bench;
    CConstructionCommands(bench.m_View, bench.m_Doc).NewCoordSyst();
    CSequence* pSequence = bench.m_View.GetSequence();
    const QPoint start = pSequence->GetDialogPos();
    // The frame at the view's corner + (10, 10): the client area that much further in.
    const QWidget* pWindow = bench.m_View.window();
    EXPECT_EQ(start, bench.m_View.mapToGlobal(QPoint(10, 10)) + pWindow->geometry().topLeft() -
                         pWindow->frameGeometry().topLeft());
    EXPECT_EQ(bench.Dialog()->geometry().topLeft(), start);

    bench.DefineAxis({100, 250}, {300, 250}, {100, 250}, "0", {300, 250}, "10");
    bench.Dialog()->setGeometry(QRect(start + QPoint(70, 40), bench.Dialog()->size()));
    bench.Dialog()->OnNext();
    EXPECT_EQ(bench.Dialog()->geometry().topLeft(), start + QPoint(70, 40));

    bench.Dialog()->setGeometry(QRect(start + QPoint(5, 5), bench.Dialog()->size()));
    bench.Dialog()->reject();
    EXPECT_EQ(pSequence->GetDialogPos(), start + QPoint(70, 40));
    EXPECT_TRUE(bench.m_Doc.GetCoordSystList().empty()) << "the new coordinate system goes with Cancel";
    CWizardBench::Settle();
    EXPECT_EQ(bench.m_View.GetSequence(), nullptr);
}

TEST(ConstructionWizard, CancelPutsTheModifiedObjectBackAsItWasAtTheEndOfItsList)
{
    CWizardBench bench;
    CCoordSyst* pFirst = AddUprightCoordSyst(bench.m_Doc);
    AddUprightCoordSyst(bench.m_Doc);
    auto* pCurve = pFirst->AddCurve(std::make_unique<CDiscreteCurve>(pFirst));
    pCurve->SetName("Measured");
    pCurve->GetPoints().push_back({150, 200});
    pFirst->AddCurve(std::make_unique<CDiscreteCurve>(pFirst));

    // A curve changed in its wizard, then cancelled.
    pCurve->SetSelected(true);
    CConstructionCommands(bench.m_View, bench.m_Doc).ModifySelected();
    ASSERT_NE(dynamic_cast<CDiscreteDialog*>(bench.Dialog()), nullptr);
    EXPECT_EQ(bench.Dialog()->GetTemplateId(), 138u);
    pCurve->SetName("Changed");
    pCurve->GetPoints().clear();
    bench.Dialog()->reject();
    ASSERT_EQ(pFirst->GetCurveList().size(), 2u);
    const CCurve& restored = *pFirst->GetCurveList().back();
    EXPECT_EQ(restored.GetName(), "Measured");
    EXPECT_EQ(restored.GetPointCount(), 1u);
    EXPECT_EQ(restored.GetCoordSyst(), pFirst);
    CWizardBench::Settle();

    // A coordinate system whose X axis was drawn again, then cancelled.
    pFirst->SetSelected(true);
    CConstructionCommands(bench.m_View, bench.m_Doc).ModifySelected();
    CAxeDialog* pX = bench.AxeDialog();
    ASSERT_NE(pX, nullptr);
    pX->OnDrawAxis();
    pX->OnGraphMessage(WM_GRAPH_BUTTONDOWN, 0, {100, 260});
    pX->OnGraphMessage(WM_GRAPH_BUTTONUP, 0, {300, 240});
    ASSERT_EQ(pFirst->GetXAxe().GetLineEnd(), CPoint(300, 240));
    pX->reject();
    ASSERT_EQ(bench.m_Doc.GetCoordSystList().size(), 2u);
    const CCoordSyst& back = *bench.m_Doc.GetCoordSystList().back();
    EXPECT_NE(&back, pFirst);
    EXPECT_EQ(back.GetXAxe().GetLineEnd(), CPoint(300, 250));
    EXPECT_EQ(back.GetCurveList().size(), 2u);
    EXPECT_NEAR(back.PixelToGraph(200, 150).x, 5.0, 1e-9);
}

TEST(ConstructionWizard, CancelLeavesTheDocumentAsModifiedAsItWas)
{
    CWizardBench bench;
    CCoordSyst* pCoordSyst = AddUprightCoordSyst(bench.m_Doc);
    auto* pCurve = pCoordSyst->AddCurve(std::make_unique<CDiscreteCurve>(pCoordSyst));
    pCurve->GetPoints().push_back({150, 200});
    ASSERT_FALSE(bench.m_Doc.IsModified());

    // A new curve given a point, then cancelled.
    pCoordSyst->SetSelected(true);
    CConstructionCommands(bench.m_View, bench.m_Doc).NewCurve(ECurveKind::Discrete);
    bench.Send(WM_GRAPH_BUTTONUP, {120, 200});
    ASSERT_TRUE(bench.m_Doc.IsModified());
    bench.Dialog()->reject();
    CWizardBench::Settle();
    EXPECT_FALSE(bench.m_Doc.IsModified());

    // A curve modified, then cancelled.
    pCurve->SetSelected(true);
    CConstructionCommands(bench.m_View, bench.m_Doc).ModifySelected();
    bench.Send(WM_GRAPH_BUTTONUP, {130, 200});
    ASSERT_TRUE(bench.m_Doc.IsModified());
    bench.Dialog()->reject();
    CWizardBench::Settle();
    EXPECT_FALSE(bench.m_Doc.IsModified());

    // A document with unsaved changes keeps them.
    bench.m_Doc.GetCoordSystList().front()->GetCurveList().front()->SetModified(true);
    pCoordSyst = bench.m_Doc.GetCoordSystList().front().get();
    pCoordSyst->SetSelected(true);
    CConstructionCommands(bench.m_View, bench.m_Doc).NewCurve(ECurveKind::Discrete);
    bench.Dialog()->reject();
    CWizardBench::Settle();
    EXPECT_TRUE(bench.m_Doc.IsModified());
}

TEST(ConstructionWizard, CurveKindChosenAgainAfterPrevious)
{
    CWizardBench bench;
    CConstructionCommands(bench.m_View, bench.m_Doc).NewCoordSystAndCurve();
    CCoordSyst* pCoordSyst = bench.m_Doc.GetCoordSystList().front().get();
    bench.DefineAxis({100, 250}, {300, 250}, {100, 250}, "0", {300, 250}, "10");
    bench.Dialog()->OnNext();
    bench.DefineAxis({100, 250}, {100, 50}, {100, 250}, "0", {100, 50}, "100");
    EXPECT_EQ(bench.Dialog()->GetNextButton()->text(), Text(IDS_NEXT));

    int nKindShown = -1;
    ChooseKind(2, nKindShown);
    bench.Dialog()->OnNext();
    EXPECT_EQ(nKindShown, 0) << "continuous first";
    ASSERT_EQ(pCoordSyst->GetCurveList().size(), 1u);
    EXPECT_NE(dynamic_cast<CDiscreteCurve*>(pCoordSyst->GetCurveList().front().get()), nullptr);
    ASSERT_NE(bench.Dialog(), nullptr);
    EXPECT_EQ(bench.Dialog()->GetTemplateId(), 138u);
    EXPECT_EQ(bench.Dialog()->GetNextButton()->text(), Text(IDS_FINISH));
    EXPECT_FALSE(bench.Dialog()->GetPreviousButton()->isHidden());

    ChooseKind(0, nKindShown);
    bench.Dialog()->OnPrevious();
    EXPECT_EQ(nKindShown, 2) << "discrete, as chosen before";
    ASSERT_EQ(pCoordSyst->GetCurveList().size(), 1u);
    EXPECT_NE(dynamic_cast<CContinuousCurve*>(pCoordSyst->GetCurveList().front().get()), nullptr);
    ASSERT_NE(bench.Dialog(), nullptr);
    EXPECT_EQ(bench.Dialog()->GetTemplateId(), 136u);

    // The limits, the genesis and the hand modifications; Finish numbers both objects.
    auto& curve = static_cast<CContinuousCurve&>(*pCoordSyst->GetCurveList().front());
    curve.GetLeftLimit()->SetValue(1);
    curve.GetRightLimit()->SetValue(9);
    curve.SetModified(false);
    bench.Dialog()->OnNext();
    bench.Dialog()->OnNext();
    EXPECT_EQ(bench.Dialog()->GetNextButton()->text(), Text(IDS_FINISH));
    bench.Dialog()->OnNext();
    CWizardBench::Settle();
    EXPECT_EQ(bench.m_View.GetSequence(), nullptr);
    EXPECT_EQ(bench.m_Doc.CurveCounter(), 2);
    EXPECT_EQ(bench.m_Doc.CoordSystCounter(), 2);
    EXPECT_TRUE(pCoordSyst->IsSelected());
}

TEST(ConstructionWizard, CancelInTheKindStepRemovesBoth)
{
    CWizardBench bench;
    CConstructionCommands(bench.m_View, bench.m_Doc).NewCoordSystAndCurve();
    bench.DefineAxis({100, 250}, {300, 250}, {100, 250}, "0", {300, 250}, "10");
    bench.Dialog()->OnNext();
    bench.DefineAxis({100, 250}, {100, 50}, {100, 250}, "0", {100, 50}, "100");
    WhenModal([](QWidget* pModal) { static_cast<QDialog*>(pModal)->reject(); });
    bench.Dialog()->OnNext();
    EXPECT_TRUE(bench.m_Doc.GetCoordSystList().empty());
    EXPECT_EQ(bench.m_View.GetAttachedDialog(), nullptr);
}

TEST(ConstructionWizard, FinishedCurveWithChangesProposesItsExport)
{
    CWizardBench bench;
    CCoordSyst* pCoordSyst = AddUprightCoordSyst(bench.m_Doc);
    for (bool bChanged : {false, true}) {
        pCoordSyst->SetSelected(true);
        CConstructionCommands(bench.m_View, bench.m_Doc).NewCurve(ECurveKind::Discrete);
        ASSERT_NE(bench.Dialog(), nullptr);
        EXPECT_EQ(bench.Dialog()->GetTemplateId(), 138u);
        if (bChanged)
            bench.m_View.GetSequence()->GetCurve()->SetName("Profile");
        bool bAsked = false;
        QTimer* pWatch = WhenModal(
            [&](QWidget* pModal) {
                bAsked = qobject_cast<CExportPromptDlg*>(pModal) != nullptr;
                static_cast<QDialog*>(pModal)->reject();  // "Later"
            },
            bChanged);
        bench.Dialog()->OnNext();
        EXPECT_EQ(bAsked, bChanged);
        if (!bChanged)
            delete pWatch;
        CWizardBench::Settle();
    }
    EXPECT_EQ(pCoordSyst->GetCurveList().size(), 2u);
    EXPECT_EQ(bench.m_Doc.CurveCounter(), 3);
}

TEST(ConstructionCommands, CurvesNeedASelectedCoordinateSystem)
{
    CWizardBench bench;
    AddUprightCoordSyst(bench.m_Doc);
    CConstructionCommands(bench.m_View, bench.m_Doc).NewCurve(ECurveKind::Discrete);
    ASSERT_EQ(bench.m_Messages.Count(), 1u);
    EXPECT_EQ(bench.m_Messages.LastText(), CStringTable::Get(IDS_SELECT_COORDSYST_FIRST));
    EXPECT_EQ(bench.m_Messages.Messages().back().icon, CMessageService::Icon::Information);
    EXPECT_EQ(bench.m_View.GetSequence(), nullptr);
    EXPECT_TRUE(bench.m_Doc.GetCoordSystList().front()->GetCurveList().empty());
}

TEST(ConstructionDialog, DuplicateCurveNameIsOnlyAWarning)
{
    CWizardBench bench;
    CCoordSyst* pCoordSyst = AddUprightCoordSyst(bench.m_Doc);
    CCoordSyst* pOther = AddUprightCoordSyst(bench.m_Doc);
    pOther->AddCurve(std::make_unique<CDiscreteCurve>(pOther))->SetName("Pressure");
    pCoordSyst->SetSelected(true);
    CConstructionCommands(bench.m_View, bench.m_Doc).NewCurve(ECurveKind::Density);
    CConstructionDialog* pDialog = bench.Dialog();
    ASSERT_NE(pDialog, nullptr);
    const CCurve* pCurve = bench.m_View.GetSequence()->GetCurve();

    EXPECT_TRUE(pDialog->CheckCurveName(pCurve, QStringLiteral("Temperature")));
    EXPECT_EQ(bench.m_Messages.Count(), 0u);
    bench.m_Messages.QueueAnswer(Answer::No);
    EXPECT_FALSE(pDialog->CheckCurveName(pCurve, QStringLiteral("Pressure")));
    bench.m_Messages.QueueAnswer(Answer::Yes);
    EXPECT_TRUE(pDialog->CheckCurveName(pCurve, QStringLiteral("Pressure")));
    ASSERT_EQ(bench.m_Messages.Count(), 2u);
    EXPECT_EQ(bench.m_Messages.LastText(), CStringTable::Get(IDS_SAME_CURVE_NAME));
    EXPECT_EQ(bench.m_Messages.Messages().back().buttons, CMessageService::Buttons::YesNo);
    pDialog->reject();
}

TEST(ValueEdit, KeepsOnlyTheCharactersOfANumber)
{
    CValueEdit edit;
    QTest::keyClicks(&edit, QStringLiteral("-1a,5e+2x"));
    EXPECT_EQ(edit.text(), QStringLiteral("-15e+2"));
    EXPECT_DOUBLE_EQ(edit.GetValue(), -1500.0);
    EXPECT_DOUBLE_EQ(CValueEdit::ParseValue(QStringLiteral("2.5kg")), 2.5);
    EXPECT_DOUBLE_EQ(CValueEdit::ParseValue(QStringLiteral("e5")), 0.0);
    edit.SetValue(0.000015);
    EXPECT_EQ(edit.text(), QStringLiteral("1.5e-005"));
    EXPECT_DOUBLE_EQ(edit.TakeValue(), 0.000015);
    EXPECT_TRUE(edit.IsEmpty());
}

TEST(ConstructionWizard, StepDialogsOpenBesideThePictureThenWhereTheUserLeftOne)
{
    CStepDialogPlace::Forget();
    const auto newCurve = [](CWizardBench& bench) {
        CCoordSyst* pCoordSyst = bench.m_Doc.GetCoordSystList().front().get();
        pCoordSyst->SetSelected(true);
        CConstructionCommands(bench.m_View, bench.m_Doc).NewCurve(ECurveKind::Discrete);
        CWizardBench::Settle();
        return bench.Dialog();
    };
    const auto picture = [](int nWidth) {
        QImage image(nWidth, 100, QImage::Format_RGB32);
        image.fill(Qt::white);
        return image;
    };
    QPoint left;
    {
        CWizardBench bench;
        bench.m_View.resize(780, 560);
        bench.SetPicture(picture(150));
        AddUprightCoordSyst(bench.m_Doc);
        const QRect view = bench.m_View.ClientOnScreen();

        // Beside the picture, at the view's top: nothing of the picture under it.
        CConstructionDialog* pDialog = newCurve(bench);
        ASSERT_NE(pDialog, nullptr);
        EXPECT_GE(pDialog->frameGeometry().left(), view.left() + 150);
        EXPECT_LE(pDialog->frameGeometry().right(), view.right());
        EXPECT_LT(pDialog->frameGeometry().top(), view.top() + 30);
        pDialog->reject();
        CWizardBench::Settle();

        // No room beside a wide picture: against the view's right-hand side.
        bench.SetPicture(picture(700));
        pDialog = newCurve(bench);
        ASSERT_NE(pDialog, nullptr);
        EXPECT_LE(pDialog->frameGeometry().right(), view.right());
        EXPECT_GT(pDialog->frameGeometry().right(), view.right() - 30);

        // The user moves it and finishes: the next wizard opens where it was left.
        pDialog->move(pDialog->pos() - QPoint(200, 0) + QPoint(0, 40));
        CWizardBench::Settle();
        left = pDialog->geometry().topLeft();
        bench.Send(WM_GRAPH_BUTTONUP, {120, 200});
        const QPointer<QTimer> pLater =
            WhenModal([](QWidget* pModal) { static_cast<QDialog*>(pModal)->reject(); }, false);
        QTest::mouseClick(pDialog->GetNextButton(), Qt::LeftButton);
        delete pLater.data();
        CWizardBench::Settle();
        ASSERT_EQ(bench.Dialog(), nullptr);
        pDialog = newCurve(bench);
        ASSERT_NE(pDialog, nullptr);
        EXPECT_EQ(pDialog->geometry().topLeft(), left);
        pDialog->reject();
    }
    // And at the next start.
    CWizardBench bench;
    bench.SetPicture(picture(150));
    AddUprightCoordSyst(bench.m_Doc);
    CConstructionDialog* pDialog = newCurve(bench);
    ASSERT_NE(pDialog, nullptr);
    EXPECT_EQ(pDialog->geometry().topLeft(), left);
    pDialog->reject();
    CStepDialogPlace::Forget();
}
