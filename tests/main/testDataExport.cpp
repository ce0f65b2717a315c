#include <csignal>
#include <functional>

#include <sys/resource.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontInfo>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "Dm/CoordSyst.h"
#include "Dm/Curve.h"
#include "Dm/DiscreteCurve.h"
#include "Dm/PlotvaneDoc.h"
#include "Dm/SplineResults.h"
#include "ShellTestSupport.h"
#include "WizardTestSupport.h"
#include "main/frame/CommandIds.h"
#include "main/wizard/ConstructionDialog.h"
#include "main/export/DataExport.h"
#include "main/export/ExportPromptDlg.h"
#include "main/help/HelpTopics.h"
#include "main/help/HelpWindow.h"
#include "main/frame/MainFrame.h"
#include "main/steps/continuous/PeriodDialog.h"
#include "main/view/PlotvaneView.h"
#include "main/export/PreviewDialog.h"
#include "main/wizard/SaveCurveDialog.h"
#include "main/frame/SavePromptDlg.h"
#include "main/export/SeparatorDialog.h"
#include "main/wizard/Sequence.h"
#include "main/steps/spline/SplinePeriodDialog.h"
#include "main/fields/ValueEdit.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"
#include "tests/doubles/RecordingMessageService.h"

namespace {

using Answer = CMessageService::Answer;

// Runs action on the next modal dialog, which must be a D.
template <class D>
void When(std::function<void(D&)> action)
{
    WhenModal([action](QWidget* pModal) {
        auto* pDialog = qobject_cast<D*>(pModal);
        ASSERT_NE(pDialog, nullptr) << pModal->metaObject()->className();
        action(*pDialog);
    });
}

template <class W>
W* Child(const QWidget& dialog, const char* pszName)
{
    W* pWidget = dialog.findChild<W*>(QString::fromLatin1(pszName));
    EXPECT_NE(pWidget, nullptr) << pszName;
    return pWidget;
}

void Click(const QWidget& dialog, const char* pszButton)
{
    Child<QAbstractButton>(dialog, pszButton)->click();
}

// Replaces the text of a field as the user does, by selecting it and typing over it.
void Type(QLineEdit* pEdit, const QString& strText)
{
    pEdit->selectAll();
    QTest::keyClick(pEdit, Qt::Key_Delete);
    QTest::keyClicks(pEdit, strText);
}

QByteArray ReadAll(const QString& strPath)
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The sample document made by the command-line program's sample job, open in a main
// frame, with message boxes recorded.
class DataExportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_Dir = QDir(QString::fromUtf8(PLOTVANE_TEST_WORK) + QStringLiteral("/export"));
        m_Dir.removeRecursively();
        ASSERT_TRUE(m_Dir.mkpath(QStringLiteral(".")));
        for (const char* pszName : {"sample-job.json", "sample-graph.png"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(PLOTVANE_EXAMPLES "/") + QLatin1String(pszName),
                                    m_Dir.filePath(QLatin1String(pszName))));
        ASSERT_EQ(RunCli({QStringLiteral("run"), QStringLiteral("sample-job.json")}), 0);
        ASSERT_TRUE(m_Doc.OnOpenDocument(Path("sample.pvd")));
        m_pFrame = std::make_unique<CMainFrame>(m_Doc);
    }
    // Saving the document put it in the recent documents of the settings.
    void TearDown() override
    {
        m_pFrame.reset();
        ClearTestSettings();
    }

    int RunCli(const QStringList& arguments) const
    {
        QProcess cli;
        cli.setWorkingDirectory(m_Dir.path());
        cli.start(QStringLiteral(PLOTVANE_CLI), arguments);
        EXPECT_TRUE(cli.waitForFinished(60000));
        EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
        return cli.exitCode();
    }

    std::string Path(const char* pszName) const
    {
        return m_Dir.filePath(QLatin1String(pszName)).toStdString();
    }

    CCurve* Curve(const char* pszName) const
    {
        for (const auto& pCurve : m_Doc.GetCoordSystList().front()->GetCurveList()) {
            if (pCurve->GetName() == pszName)
                return pCurve.get();
        }
        return nullptr;
    }

    // Chooses the file in the save dialog that comes next.
    static void ChooseFileNext(const QString& strPath)
    {
        When<QFileDialog>([strPath](QFileDialog& dialog) {
            dialog.selectFile(strPath);
            // Accepted as the Save button does, with its overwrite question.
            QMetaObject::invokeMethod(&dialog, "accept");
        });
    }

    QDir m_Dir;
    CPlotvaneDoc m_Doc;
    std::unique_ptr<CMainFrame> m_pFrame;
    CRecordingMessageService m_Messages{true};
};

TEST_F(DataExportTest, TheMenuCommandWritesTheCurvesChosenAsTheCommandLineDoes)
{
    Curve("Oscillation")->SetModified(true);
    Curve("Measures")->SetModified(true);
    const QString strOut = QString::fromStdString(Path("window.txt"));
    When<CSaveCurveDialog>([&](CSaveCurveDialog& dialog) {
        EXPECT_EQ(CHelpWindow::FindHelpContext(&dialog), CHelpTopics::ContextOf(CSaveCurveDialog::IDD));
        QListWidget* pAvailable = dialog.AvailableList();
        ASSERT_EQ(pAvailable->count(), 5);
        EXPECT_EQ(pAvailable->item(4)->text(), QStringLiteral("Profile at 6 s"));
        EXPECT_FALSE(Child<QPushButton>(dialog, "addButton")->isEnabled());
        EXPECT_FALSE(Child<QPushButton>(dialog, "saveButton")->isEnabled());
        EXPECT_FALSE(Child<QPushButton>(dialog, "previewButton")->isEnabled());

        // Cancelling the period dialog leaves the curve where it was.
        pAvailable->setCurrentRow(0);
        When<CPeriodDialog>([](CPeriodDialog& period) { period.reject(); });
        Click(dialog, "addButton");
        ASSERT_EQ(pAvailable->count(), 5);

        When<CPeriodDialog>([&](CPeriodDialog& period) {
            EXPECT_EQ(period.GetUnitText(0), QStringLiteral("( Time (s) )"));
            EXPECT_EQ(period.GetUnitText(1), QStringLiteral("( 1 / Time (s) )"));
            EXPECT_EQ(period.FirstEdit()->text(), QStringLiteral("4"));
            EXPECT_EQ(period.PeriodEdit()->text(), QStringLiteral("0.5"));
            EXPECT_EQ(period.FrequencyEdit()->text(), QStringLiteral("2"));
            EXPECT_EQ(period.GetCountText(), QStringLiteral("12"));

            Type(period.PeriodEdit(), QStringLiteral("0"));
            EXPECT_TRUE(period.FrequencyEdit()->text().isEmpty());
            EXPECT_EQ(period.GetCountText(), QStringLiteral("0"));
            period.accept();
            EXPECT_EQ(m_Messages.LastText(), CStringTable::Get(IDS_PERIOD_POSITIVE));
            EXPECT_EQ(m_Messages.Messages().back().icon, CMessageService::Icon::Information);
            EXPECT_EQ(period.focusWidget(), period.PeriodEdit());

            Type(period.FrequencyEdit(), QStringLiteral("1e7"));
            EXPECT_EQ(period.GetCountText(), QStringLiteral("0"));
            period.accept();
            EXPECT_EQ(m_Messages.LastText(), CStringTable::Get(IDS_TOO_MANY_POINTS));
            EXPECT_EQ(m_Messages.Messages().back().icon, CMessageService::Icon::Stop);

            // 5.5 / 0.001 + 1 rows: the user is asked, and No keeps the dialog open.
            Type(period.FrequencyEdit(), QStringLiteral("1000"));
            EXPECT_EQ(period.PeriodEdit()->text(), QStringLiteral("0.001"));
            EXPECT_EQ(period.GetCountText(), QStringLiteral("5501"));
            m_Messages.QueueAnswer(Answer::No);
            period.accept();
            EXPECT_EQ(m_Messages.LastText(), "This curve will contain 5501 lines. Continue?");
            EXPECT_TRUE(period.isVisible());
            EXPECT_EQ(period.focusWidget(), period.FrequencyEdit());

            Type(period.FrequencyEdit(), QString());
            EXPECT_TRUE(period.PeriodEdit()->text().isEmpty());
            EXPECT_FALSE(period.IsOkEnabled());
            Type(period.FrequencyEdit(), QStringLiteral("4"));
            EXPECT_EQ(period.PeriodEdit()->text(), QStringLiteral("0.25"));
            EXPECT_EQ(period.GetCountText(), QStringLiteral("23"));
            const size_t nBoxes = m_Messages.Count();
            period.accept();
            EXPECT_EQ(m_Messages.Count(), nBoxes);
        });
        Click(dialog, "addButton");
        ASSERT_EQ(dialog.SaveList()->count(), 1);
        EXPECT_EQ(pAvailable->count(), 4);

        // A double click takes Decay, whose period the document gives.
        When<CPeriodDialog>([](CPeriodDialog& period) { period.accept(); });
        QListWidgetItem* pDecay = pAvailable->item(0);
        ASSERT_EQ(pDecay->text(), QStringLiteral("Decay"));
        const QRect rect = pAvailable->visualItemRect(pDecay);
        QTest::mouseClick(pAvailable->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
        QTest::mouseDClick(pAvailable->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
        ASSERT_EQ(dialog.SaveList()->count(), 2);

        // The spin button moves Decay before Oscillation; another move up is ignored.
        dialog.SaveList()->setCurrentRow(1);
        Click(dialog, "upButton");
        Click(dialog, "upButton");
        EXPECT_EQ(dialog.SaveList()->item(0)->text(), QStringLiteral("Decay"));
        EXPECT_EQ(dialog.SaveList()->currentRow(), 0);

        When<CSeparatorDialog>([&](CSeparatorDialog& separator) {
            EXPECT_TRUE(Child<QRadioButton>(separator, "tabButton")->isChecked());
            Click(separator, "otherButton");
            separator.accept();
            EXPECT_EQ(m_Messages.LastText(), CStringTable::Get(IDS_OTHER_SEPARATOR_EMPTY));
            QTest::keyClicks(Child<QLineEdit>(separator, "otherEdit"), QStringLiteral("|"));
            separator.accept();
        });
        Click(dialog, "formatButton");
        EXPECT_EQ(dialog.GetSeparator(), '|');

        // Oscillation has 23 rows, Decay 13: the preview shows 10, an empty line and the note.
        When<CPreviewDialog>([](CPreviewDialog& preview) {
            const QStringList lines = preview.GetText().split(QLatin1Char('\n'));
            ASSERT_EQ(lines.size(), 5 + 2 + 10 + 3);
            // The tenth row: Decay at 3.5 + 9 x 0.5.
            EXPECT_TRUE(lines[16].startsWith(QStringLiteral("8 ")));
            EXPECT_TRUE(lines[17].isEmpty());
            EXPECT_EQ(lines[18], QStringLiteral("To be continued : Preview is limited to 10 lines."));
            EXPECT_TRUE(QFontInfo(Child<QPlainTextEdit>(preview, "previewText")->font()).fixedPitch());
            Click(preview, "closeButton");
        });
        Click(dialog, "previewButton");
        ChooseFileNext(strOut);
        Click(dialog, "saveButton");
    });
    m_pFrame->GetAction(ID_FILE_EXPORT)->trigger();

    EXPECT_FALSE(Curve("Oscillation")->GetModified());
    EXPECT_TRUE(Curve("Measures")->GetModified());
    // The periods chosen stay with the curves: the document saved now exports the same.
    ASSERT_TRUE(m_Doc.OnSaveDocument(Path("chosen.pvd")));
    ASSERT_EQ(RunCli({QStringLiteral("export"), QStringLiteral("chosen.pvd"), QStringLiteral("-o"),
                      QStringLiteral("cli.txt"), QStringLiteral("--separator"), QStringLiteral("|"),
                      QStringLiteral("--curve"), QStringLiteral("Decay"), QStringLiteral("--curve"),
                      QStringLiteral("Oscillation")}),
              0);
    const QByteArray written = ReadAll(strOut);
    EXPECT_FALSE(written.isEmpty());
    EXPECT_EQ(written, ReadAll(m_Dir.filePath(QStringLiteral("cli.txt"))));
}

TEST_F(DataExportTest, AFailedWriteKeepsThePreviousFileAndTheModifiedFlags)
{
    Curve("Measures")->SetModified(true);
    const QString strOut = QString::fromStdString(Path("previous.txt"));
    {
        QFile previous(strOut);
        ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
        previous.write("kept\r\n");
    }
    CSeenBox replace;
    When<CSaveCurveDialog>([&](CSaveCurveDialog& dialog) {
        // A discrete curve needs no sampling dialog.
        dialog.AvailableList()->setCurrentRow(2);
        Click(dialog, "addButton");
        ASSERT_EQ(dialog.SaveList()->count(), 1);
        ChooseFileNext(strOut);
        AnswerNextBox(QMessageBox::Yes, replace);
        Click(dialog, "saveButton");
    });
    // Files may grow to 16 bytes only: the export cannot be written.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit limit = saved;
    limit.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    const bool bExported = m_Doc.OnExport();
    setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_FALSE(bExported);
    EXPECT_TRUE(replace.strText.contains(QStringLiteral("previous.txt")));
    ASSERT_GE(m_Messages.Count(), 1u);
    EXPECT_EQ(m_Messages.LastText().rfind(CStringTable::Get(IDS_CANNOT_WRITE), 0), 0u)
        << m_Messages.LastText();
    EXPECT_EQ(m_Messages.Messages().back().icon, CMessageService::Icon::Stop);
    EXPECT_EQ(ReadAll(strOut), QByteArray("kept\r\n"));
    // Nor does the hidden file written beside it stay.
    EXPECT_TRUE(m_Dir.entryList({QStringLiteral(".pv*")}, QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_TRUE(Curve("Measures")->GetModified());
    EXPECT_TRUE(m_Doc.IsModified());

    // A file that cannot be made is told as such.
    EXPECT_FALSE(CDataExport::Write({Curve("Measures")->GetResults()}, Path("missing/out.txt"), '\t'));
    EXPECT_EQ(m_Messages.LastText().rfind(CStringTable::Get(IDS_CANNOT_OPEN_FOR_WRITING), 0), 0u);
}

TEST_F(DataExportTest, TheSavePromptExportsOrSavesAndStaysOpenWhenThatIsCancelled)
{
    Curve("Decay")->SetModified(true);
    // "Save document" with Yes is what Enter answers; cancelling the export keeps the
    // document.
    When<CSavePromptDlg>([](CSavePromptDlg& prompt) {
        EXPECT_EQ(prompt.GetChoice(), CDocumentUi::SaveChoice::Document);
        EXPECT_TRUE(prompt.findChild<QPushButton*>(QStringLiteral("yesButton"))->isDefault());
        prompt.SetChoice(CDocumentUi::SaveChoice::Curves);
        When<CSaveCurveDialog>([](CSaveCurveDialog& dialog) { dialog.reject(); });
        Click(prompt, "yesButton");
    });
    EXPECT_FALSE(m_Doc.SaveModified());

    When<CSavePromptDlg>([](CSavePromptDlg& prompt) { Click(prompt, "cancelButton"); });
    EXPECT_FALSE(m_Doc.SaveModified());
    When<CSavePromptDlg>([](CSavePromptDlg& prompt) {
        prompt.SetChoice(CDocumentUi::SaveChoice::Document);
        Click(prompt, "noButton");
    });
    EXPECT_TRUE(m_Doc.SaveModified());
}

TEST_F(DataExportTest, ASplineGivesItsPointsPerSegmentTimesItsSegmentsPlusOne)
{
    auto& results = static_cast<CSplineResults&>(*Curve("Trend")->GetResults());
    CSplinePeriodDialog dialog(results);
    auto* pCount = Child<QLineEdit>(dialog, "countEdit");
    EXPECT_EQ(pCount->text(), QStringLiteral("10"));
    EXPECT_EQ(dialog.GetTotalText(), QStringLiteral("11"));
    Type(pCount, QStringLiteral("0"));
    EXPECT_EQ(dialog.GetTotalText(), QStringLiteral("1"));
    dialog.accept();
    EXPECT_EQ(m_Messages.LastText(), "Please enter an integer between 1 and 1000.");
    EXPECT_EQ(results.GetPointsPerSegment(), 10);
    Type(pCount, QStringLiteral("1001"));
    EXPECT_EQ(dialog.GetTotalText(), QStringLiteral("0"));
    Type(pCount, QStringLiteral("20"));
    EXPECT_EQ(dialog.GetTotalText(), QStringLiteral("21"));
    dialog.accept();
    EXPECT_EQ(results.GetPointsPerSegment(), 20);
}

TEST(DataExportFilterTest, TheSettingsExtensionComesFirst)
{
    EXPECT_EQ(
        CDataExport::BuildFilter("dat"),
        "dat Files (*.dat)|*.dat|Excel files (*.xls)|*.xls|Text files (*.txt)|*.txt|All files (*.*)|*.*||");
    EXPECT_EQ(CDataExport::BuildFilter("TXT"),
              "Text files (*.txt)|*.txt|Excel files (*.xls)|*.xls|All files (*.*)|*.*||");
    EXPECT_EQ(CDataExport::BuildFilter("xls"),
              "Excel files (*.xls)|*.xls|Text files (*.txt)|*.txt|All files (*.*)|*.*||");
}

}  // namespace

TEST(ExportProposalTest, YesOpensSaveCurvesWithTheCurveJustMadeChosen)
{
    CPlotvaneDoc doc;
    ASSERT_TRUE(doc.OpenBitmap(MakeTestPicture("proposal.bmp", 400, 300)));
    CMainFrame frame(doc);
    CCoordSyst* pCoordSyst = AddUprightCoordSyst(doc);
    pCoordSyst->AddCurve(std::make_unique<CDiscreteCurve>(pCoordSyst))->SetName("Older");
    pCoordSyst->SetSelected(true);
    frame.UpdateCommandStates();
    frame.GetAction(ID_NEW_DISCRETE_CURVE)->trigger();
    auto* pDialog = dynamic_cast<CConstructionDialog*>(frame.GetView()->GetAttachedDialog());
    ASSERT_NE(pDialog, nullptr);
    const QString strName = QString::fromStdString(frame.GetView()->GetSequence()->GetCurve()->GetName());
    pDialog->OnGraphMessage(WM_GRAPH_BUTTONUP, 0, {150, 200});

    QString strChosen;
    When<CExportPromptDlg>([&strChosen](CExportPromptDlg& prompt) {
        When<CSaveCurveDialog>([&strChosen](CSaveCurveDialog& dialog) {
            const QListWidgetItem* pItem = dialog.AvailableList()->currentItem();
            if (pItem != nullptr && pItem->isSelected())
                strChosen = pItem->text();
            EXPECT_TRUE(Child<QPushButton>(dialog, "addButton")->isEnabled());
            dialog.reject();
        });
        Click(prompt, "yesButton");
    });
    QTest::mouseClick(pDialog->GetNextButton(), Qt::LeftButton);
    CWizardBench::Settle();
    EXPECT_EQ(strChosen, strName);
    // Once the export is over, the coordinate system is the selection, as after any wizard.
    EXPECT_TRUE(pCoordSyst->IsSelected());
    ClearTestSettings();
}
