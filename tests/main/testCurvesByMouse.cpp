#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "Dm/CoordSyst.h"
#include "WizardTestSupport.h"
#include "main/steps/axes/AxeDialog.h"
#include "main/wizard/ConstructionCommands.h"
#include "main/wizard/CurveKindDialog.h"
#include "main/wizard/WindowCurveKinds.h"
#include "main/steps/discrete/DiscreteDialog.h"
#include "main/steps/spline/SplineDialog.h"

namespace {

// Replaces the text of the named line edit of dialog as the user types it.
void TypeInto(QWidget& dialog, const char* pszEdit, const char* pszText)
{
    auto* pEdit = dialog.findChild<QLineEdit*>(QString::fromLatin1(pszEdit));
    ASSERT_NE(pEdit, nullptr);
    pEdit->selectAll();
    QTest::keyClicks(pEdit, QString::fromLatin1(pszText));
}

void Click(QWidget& dialog, CPoint point)
{
    auto& receiver = dynamic_cast<CGraphMouseReceiver&>(dialog);
    receiver.OnGraphMessage(WM_GRAPH_BUTTONDOWN, 0, point);
    receiver.OnGraphMessage(WM_GRAPH_BUTTONUP, 0, point);
}

QByteArray ReadAll(const QString& strPath)
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

// The sample graph's axes, a discrete curve of five clicked points sorted by X and a spline of
// three clicked nodes, made with the wizards, are stored as plotvane-cli stores the job that
// names the same clicks.
TEST(CurvesByMouse, SameDocumentAsTheCommandLineJob)
{
    const QDir work(QString::fromUtf8(PLOTVANE_TEST_WORK));
    const QString strPicture = work.filePath(QStringLiteral("mouse-graph.png"));
    QFile::remove(strPicture);
    ASSERT_TRUE(QFile::copy(QStringLiteral(PLOTVANE_EXAMPLES "/sample-graph.png"), strPicture));
    const QString strJob = work.filePath(QStringLiteral("mouse-job.json"));
    {
        QFile job(strJob);
        ASSERT_TRUE(job.open(QIODevice::WriteOnly | QIODevice::Truncate));
        job.write(R"JOB({
  "image": "mouse-graph.png",
  "coordinate_systems": [{
    "x_axis": {"name": "Time (s)", "line": [[100, 534], [720, 534]],
               "point1": {"at": [100, 534], "value": 0}, "point2": {"at": [720, 534], "value": 10}},
    "y_axis": {"name": "Signal", "line": [[100, 534], [100, 72]],
               "point1": {"at": [100, 534], "value": 0}, "point2": {"at": [100, 72], "value": 100}},
    "curves": [
      {"kind": "discrete", "name": "Measures",
       "points": [[534, 248], [162, 442], [285, 371], [410, 280], [658, 211]], "sort": true},
      {"kind": "spline", "name": "Trend", "nodes": [
        {"anchor": [162, 442], "front": [0, 0], "back": [0, 0], "smooth": true},
        {"anchor": [410, 300], "front": [0, 0], "back": [0, 0], "smooth": true},
        {"anchor": [658, 211], "front": [0, 0], "back": [0, 0], "smooth": true}]}
    ]
  }],
  "save": "mouse-cli.pvd"
}
)JOB");
    }
    QProcess cli;
    cli.setWorkingDirectory(work.path());
    cli.start(QStringLiteral(PLOTVANE_CLI), {QStringLiteral("run"), strJob});
    ASSERT_TRUE(cli.waitForFinished(60000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();

    CWizardBench bench;
    ASSERT_TRUE(bench.m_Doc.OpenBitmap(QFile::encodeName(strPicture).toStdString()));
    // A new picture starts the wizard of a coordinate system and a curve.
    ASSERT_TRUE(QTest::qWaitFor([&bench] { return bench.AxeDialog() != nullptr; }));
    bench.DefineAxis({100, 534}, {720, 534}, {100, 534}, "0", {720, 534}, "10");
    TypeInto(*bench.Dialog(), "axisNameEdit", "Time (s)");
    bench.Dialog()->OnNext();
    bench.DefineAxis({100, 534}, {100, 72}, {100, 534}, "0", {100, 72}, "100");
    TypeInto(*bench.Dialog(), "axisNameEdit", "Signal");
    WhenModal([](QWidget* pModal) {
        auto* pKind = qobject_cast<CCurveKindDialog*>(pModal);
        ASSERT_NE(pKind, nullptr);
        pKind->SetKind(CWindowCurveKinds::IndexOf(ECurveKind::Discrete));
        pKind->OnNext();
    });
    bench.Dialog()->OnNext();
    auto* pDiscrete = dynamic_cast<CDiscreteDialog*>(bench.Dialog());
    ASSERT_NE(pDiscrete, nullptr);
    for (CPoint point :
         {CPoint(534, 248), CPoint(162, 442), CPoint(285, 371), CPoint(410, 280), CPoint(658, 211)})
        Click(*pDiscrete, point);
    pDiscrete->OnSort();
    TypeInto(*pDiscrete, "nameEdit", "Measures");
    FinishWithoutExport(*pDiscrete);

    bench.m_Doc.GetCoordSystList().front()->SetSelected(true);
    CConstructionCommands(bench.m_View, bench.m_Doc).NewCurve(ECurveKind::Spline);
    auto* pSpline = dynamic_cast<CSplineDialog*>(bench.Dialog());
    ASSERT_NE(pSpline, nullptr);
    for (CPoint point : {CPoint(162, 442), CPoint(410, 300), CPoint(658, 211)})
        Click(*pSpline, point);
    TypeInto(*pSpline, "nameEdit", "Trend");
    FinishWithoutExport(*pSpline);
    ASSERT_EQ(bench.Dialog(), nullptr);

    // The last wizard leaves its coordinate system selected, a state the file keeps; the
    // command line selects nothing.
    bench.m_Doc.ClearSelection();
    const QString strMouse = work.filePath(QStringLiteral("mouse-gui.pvd"));
    ASSERT_TRUE(bench.m_Doc.OnSaveDocument(QFile::encodeName(strMouse).toStdString()));
    const QByteArray mouse = ReadAll(strMouse);
    const QByteArray job = ReadAll(work.filePath(QStringLiteral("mouse-cli.pvd")));
    ASSERT_FALSE(job.isEmpty());
    EXPECT_EQ(mouse.size(), job.size());
    EXPECT_TRUE(mouse == job) << "the documents differ";
}
