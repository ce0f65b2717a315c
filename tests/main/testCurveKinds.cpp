#include <set>

#include <QDialog>
#include <QLabel>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "Dm/CoordSyst.h"
#include "Dm/Curve.h"
#include "Dm/PlotvaneDoc.h"
#include "main/wizard/StepDialogFactory.h"
#include "main/wizard/WindowCurveKinds.h"
#include "ui_CurveKindDialog.h"

// A kind the window's table forgets cannot be built in the window: every kind of the model
// has its entry, which makes curves of that kind, has its own command, its radio button and
// picture in the kind step, and steps that each have their dialog.
TEST(WindowCurveKinds, EveryKindOfTheModelHasItsEntry)
{
    CPlotvaneDoc doc;
    CCoordSyst coordSyst(&doc);
    QDialog kindStep;
    Ui::CCurveKindDialog ui;
    ui.setupUi(&kindStep);
    std::set<unsigned> commands;
    for (int n = 0; n < static_cast<int>(ECurveKind::Count); ++n) {
        const auto kind = static_cast<ECurveKind>(n);
        const CWindowCurveKind* pEntry = CWindowCurveKinds::Find(kind);
        ASSERT_NE(pEntry, nullptr) << "kind " << n;
        EXPECT_EQ(pEntry->makeCurve(coordSyst)->GetKind(), kind) << "kind " << n;
        EXPECT_TRUE(commands.insert(pEntry->nCommandId).second) << "kind " << n;
        EXPECT_NE(kindStep.findChild<QRadioButton*>(QLatin1String(pEntry->pszRadio)), nullptr)
            << "kind " << n;
        EXPECT_NE(kindStep.findChild<QLabel*>(QLatin1String(pEntry->pszPictureLabel)), nullptr)
            << "kind " << n;
        ASSERT_FALSE(pEntry->steps.empty()) << "kind " << n;
        for (const CWindowCurveKind::CStep& step : pEntry->steps)
            EXPECT_TRUE(CStepDialogFactory::IsDialogStep(step.step)) << "kind " << n;
    }
    EXPECT_EQ(CWindowCurveKinds::All().size(), commands.size());
}
