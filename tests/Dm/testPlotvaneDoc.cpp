#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "IdentityCoordSyst.h"
#include "Dm/BmpManager.h"
#include "Dm/ColorScale.h"
#include "Dm/CoordSyst.h"
#include "Dm/DensityCurve.h"
#include "Dm/DensityResults.h"
#include "Dm/DiscreteCurve.h"
#include "Dm/DiscreteResults.h"
#include "Dm/DocumentObserver.h"
#include "Dm/DocumentUi.h"
#include "Dm/PlotvaneDoc.h"
#include "PackedDib.h"
#include "platform/Archive.h"
#include "tests/doubles/RecordingDrawContext.h"
#include "tests/doubles/RecordingMessageService.h"
#include "tests/support/PdfFigures.h"
#include "tests/support/TempVariable.h"

namespace fs = std::filesystem;

namespace {

using Kind = CRecordingDrawContext::Kind;
using Answer = CMessageService::Answer;

// A 24-bit white scan, 20 x 10.
std::vector<uint8_t> WhiteScan()
{
    return PackedDib(20, 10, 24, {}, std::vector<uint8_t>(60 * 10, 255));
}

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class RecordingObserver : public CDocumentObserver {
public:
    void OnReinitialize() override { m_events.push_back("reinitialize"); }
    void OnDocumentChanged() override { m_events.push_back("changed"); }
    void OnRedraw(const CRect&) override { m_events.push_back("redraw"); }
    void OnStartConstruction() override { m_events.push_back("construction"); }
    void OnTitleChanged() override { m_events.push_back("title"); }
    void OnModifiedChanged(bool bModified) override { m_events.push_back(bModified ? "modified" : "saved"); }

    bool Saw(const std::string& event) const
    {
        return std::find(m_events.begin(), m_events.end(), event) != m_events.end();
    }

    std::vector<std::string> m_events;
};

// The shell's dialogs, scripted: the prompt's answer, the file chosen, whether saving and
// exporting succeed. Saving writes the document file through the document, as the shell does.
class FakeUi : public CDocumentUi {
public:
    explicit FakeUi(CPlotvaneDoc& doc) : m_doc(doc) {}

    bool ChooseGraphicFile(const std::string& strFilter, std::string& strPath) override
    {
        m_strFilter = strFilter;
        ++m_nChooseCalls;
        strPath = m_strChosen;
        return !m_strChosen.empty();
    }
    bool ChoosePdfPage(const std::string& strPath, int& nPage, int& nDpi) override
    {
        m_pdfAsked.push_back(strPath + " " + std::to_string(nPage) + " " + std::to_string(nDpi));
        nPage = m_nPdfPage;
        nDpi = m_nPdfDpi;
        return m_nPdfPage > 0;
    }
    SavePromptResult AskToSave(const std::string& strQuestion) override
    {
        m_questions.push_back(strQuestion);
        return m_answer;
    }
    bool DoFileSave() override
    {
        ++m_nSaveCalls;
        return !m_strSavePath.empty() && m_doc.OnSaveDocument(m_strSavePath);
    }
    bool RunExport() override
    {
        ++m_nExportCalls;
        return m_bExportSucceeds;
    }

    CPlotvaneDoc& m_doc;
    SavePromptResult m_answer;
    std::string m_strChosen;
    std::string m_strSavePath;
    bool m_bExportSucceeds = true;
    std::string m_strFilter;
    std::vector<std::string> m_questions;
    // The PDF page chosen (0: cancelled) and the questions asked, "path page dpi".
    int m_nPdfPage = 0;
    int m_nPdfDpi = 0;
    std::vector<std::string> m_pdfAsked;
    int m_nChooseCalls = 0;
    int m_nSaveCalls = 0;
    int m_nExportCalls = 0;
};

// Each test works in its own directory, which is also the temporary directory.
class PlotvaneDocTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        m_dir = fs::path(PLOTVANE_TEST_WORK) / ("doc-" + name);
        fs::remove_all(m_dir);
        fs::create_directories(m_dir / "temp");
        m_temp.emplace((m_dir / "temp").string());
    }

    void TearDown() override
    {
        m_temp.reset();
        fs::remove_all(m_dir);
    }

    size_t TempFileCount() const
    {
        return static_cast<size_t>(
            std::distance(fs::directory_iterator(m_dir / "temp"), fs::directory_iterator()));
    }

    CCoordSyst* AddCoordSyst(CPlotvaneDoc& doc)
    {
        auto* pCoordSyst = doc.AddCoordSyst(std::make_unique<CCoordSyst>(&doc));
        BuildIdentity(*pCoordSyst);
        doc.AdvanceCoordSystCounter();
        return pCoordSyst;
    }

    template <typename T, typename... Args>
    T* AddCurve(CPlotvaneDoc& doc, CCoordSyst* pCoordSyst, Args&&... args)
    {
        T* pCurve = pCoordSyst->AddCurve(std::make_unique<T>(pCoordSyst, std::forward<Args>(args)...));
        doc.AdvanceCurveCounter();
        return pCurve;
    }

    // A white 20 x 10 PNG picture "graph.png"; empty when it cannot be made.
    fs::path WhitePng() const
    {
        const fs::path png = m_dir / "graph.png";
        const std::string command = "convert -size 20x10 xc:white PNG24:'" + png.string() + "' 2>/dev/null";
        return std::system(command.c_str()) == 0 ? png : fs::path();
    }

    fs::path m_dir;
    std::optional<CTempVariable> m_temp;
    CRecordingMessageService m_messages{true};
};

}  // namespace

TEST_F(PlotvaneDocTest, NewDocumentIsEmptyUntitledAndRedFirst)
{
    CPlotvaneDoc doc;
    EXPECT_EQ(doc.GetTitle(), "Untitled");
    EXPECT_TRUE(doc.GetPathName().empty());
    EXPECT_TRUE(doc.GetCoordSystList().empty());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.HasCurves());
    ASSERT_NE(doc.GetBmpManager(), nullptr);
    EXPECT_FALSE(doc.GetBmpManager()->IsLoaded());
    EXPECT_EQ(doc.GetBitmapFileName(), "");
    EXPECT_EQ(doc.CoordSystCounter(), 1);
    EXPECT_EQ(doc.CurveCounter(), 1);
    EXPECT_EQ(doc.GetColorTable(), (std::vector<COLORREF>{0xAA6496, 0x0000FF, 0x00FF00, 0xFF0000, 0x800080,
                                                          0x808000, 0x008080, 0x3278C8, 0x327832, 0x96AA64}));

    CCoordSyst* pCoordSyst = AddCoordSyst(doc);
    CDiscreteCurve* pCurve = AddCurve<CDiscreteCurve>(doc, pCoordSyst);
    EXPECT_EQ(pCoordSyst->GetColor(), 0x0000FFu);
    EXPECT_EQ(pCoordSyst->GetDocument(), &doc);
    EXPECT_EQ(pCurve->GetColor(), 0x0000FFu);
    EXPECT_EQ(pCurve->GetName(), "Curve 1");
    EXPECT_TRUE(doc.HasCurves());
    EXPECT_TRUE(doc.OnNewDocument());
    EXPECT_TRUE(doc.GetCoordSystList().empty());
}

TEST_F(PlotvaneDocTest, ColoursFollowTheNumberModuloTen)
{
    CPlotvaneDoc doc;
    std::vector<COLORREF> colors;
    for (int i = 0; i < 11; ++i)
        colors.push_back(AddCoordSyst(doc)->GetColor());
    EXPECT_EQ(doc.GetCoordSystList().back()->GetNumber(), 11);
    EXPECT_EQ(colors[10], 0x0000FFu);  // entry 1 again
    EXPECT_EQ(colors[9], 0xAA6496u);   // number 10: entry 0
    EXPECT_EQ(doc.GetColor(-1), 0x96AA64u);
    EXPECT_EQ(doc.GetColor(-10), 0xAA6496u);
}

TEST_F(PlotvaneDocTest, SelectAtPrefersAxesThenCurvesInListOrder)
{
    CPlotvaneDoc doc;
    CCoordSyst* pFirst = AddCoordSyst(doc);
    CCoordSyst* pSecond = AddCoordSyst(doc);
    CDiscreteCurve* pA = AddCurve<CDiscreteCurve>(doc, pFirst);
    CDiscreteCurve* pB = AddCurve<CDiscreteCurve>(doc, pSecond);
    pA->GetPoints() = {{300, 200}};
    pB->GetPoints() = {{300, 200}, {100, 300}};

    // On the Y axis of both coordinate systems and on a point of the second's curve: the
    // first coordinate system wins.
    ASSERT_TRUE(doc.SelectAt(100, 300));
    EXPECT_EQ(doc.GetSelectedCoordSyst(), pFirst);
    EXPECT_EQ(doc.GetSelectedCurve(), nullptr);

    // The two curves share a point: the first one in list order wins, and the previous
    // selection is cleared.
    ASSERT_TRUE(doc.SelectAt(301, 201));
    EXPECT_EQ(doc.GetSelectedCoordSyst(), nullptr);
    EXPECT_EQ(doc.GetSelectedCurve(), pA);
    EXPECT_FALSE(pB->IsSelected());

    EXPECT_FALSE(doc.SelectAt(250, 100));
    EXPECT_EQ(doc.GetSelectedCurve(), nullptr);

    pSecond->SetSelected(true);
    pB->SetSelected(true);
    doc.ClearSelection();
    EXPECT_EQ(doc.GetSelectedCoordSyst(), nullptr);
    EXPECT_EQ(doc.GetSelectedCurve(), nullptr);
}

TEST_F(PlotvaneDocTest, ModifiedFlagFollowsTheCurvesOnly)
{
    CPlotvaneDoc doc;
    FakeUi ui(doc);
    doc.SetUi(&ui);
    RecordingObserver observer;
    doc.AddObserver(&observer);

    CCoordSyst* pCoordSyst = AddCoordSyst(doc);
    pCoordSyst->GetXAxe().SetLine({100, 410}, {500, 410});
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_TRUE(ui.m_questions.empty());

    CDiscreteCurve* pCurve = AddCurve<CDiscreteCurve>(doc, pCoordSyst);
    EXPECT_FALSE(doc.IsModified());
    pCurve->SetName("Renamed");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(observer.Saw("modified"));
    pCurve->SetModified(false);
    EXPECT_FALSE(doc.IsModified());
    // A change of an axis modifies the curves of its coordinate system.
    pCoordSyst->GetYAxe().SetLine({100, 400}, {100, 10});
    EXPECT_TRUE(doc.IsModified());

    CCoordSyst stranger;
    EXPECT_FALSE(doc.DeleteCoordSyst(&stranger));
    EXPECT_TRUE(doc.DeleteCoordSyst(pCoordSyst));
    EXPECT_TRUE(doc.GetCoordSystList().empty());
    doc.RemoveObserver(&observer);
    doc.SetUi(nullptr);
}

TEST_F(PlotvaneDocTest, DuplicateCurveNamesAskAndNoRefuses)
{
    CPlotvaneDoc doc;
    CDiscreteCurve* pA = AddCurve<CDiscreteCurve>(doc, AddCoordSyst(doc));
    CDiscreteCurve* pB = AddCurve<CDiscreteCurve>(doc, AddCoordSyst(doc));
    pA->SetName("Pressure");

    EXPECT_TRUE(doc.IsCurveNameUsed("Pressure"));
    EXPECT_FALSE(doc.IsCurveNameUsed("Pressure", pA));
    EXPECT_FALSE(doc.IsCurveNameUsed("pressure"));
    EXPECT_TRUE(doc.CheckCurveName(pA, "Pressure"));
    EXPECT_TRUE(doc.CheckCurveName(pB, "pressure"));
    EXPECT_EQ(m_messages.Count(), 0u);

    m_messages.QueueAnswer(Answer::No);
    EXPECT_FALSE(doc.CheckCurveName(pB, "Pressure"));
    ASSERT_EQ(m_messages.Count(), 1u);
    const auto& question = m_messages.Messages()[0];
    EXPECT_EQ(question.text, "Another curve already has the same name.\nDo you want to continue?");
    EXPECT_EQ(question.buttons, CMessageService::Buttons::YesNo);
    EXPECT_EQ(question.icon, CMessageService::Icon::Exclamation);

    m_messages.QueueAnswer(Answer::Yes);
    EXPECT_TRUE(doc.CheckCurveName(pB, "Pressure"));
}

TEST_F(PlotvaneDocTest, SaveModifiedFollowsThePromptAndTheChoice)
{
    CPlotvaneDoc doc;
    FakeUi ui(doc);
    doc.SetUi(&ui);
    CDiscreteCurve* pCurve = AddCurve<CDiscreteCurve>(doc, AddCoordSyst(doc));
    pCurve->AppendPoint(1, 1);
    ASSERT_TRUE(doc.IsModified());

    ui.m_answer = {CDocumentUi::SaveAnswer::Cancel, CDocumentUi::SaveChoice::Document};
    EXPECT_FALSE(doc.SaveModified());
    EXPECT_FALSE(doc.CanCloseFrame());
    ASSERT_EQ(ui.m_questions.size(), 2u);
    EXPECT_EQ(ui.m_questions[0], "Save changes to Untitled?");

    ui.m_answer = {CDocumentUi::SaveAnswer::No, CDocumentUi::SaveChoice::Document};
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_EQ(ui.m_nSaveCalls + ui.m_nExportCalls, 0);

    ui.m_answer = {CDocumentUi::SaveAnswer::Yes, CDocumentUi::SaveChoice::Curves};
    ui.m_bExportSucceeds = false;
    EXPECT_FALSE(doc.SaveModified());
    ui.m_bExportSucceeds = true;
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_EQ(ui.m_nExportCalls, 2);
    EXPECT_EQ(ui.m_nSaveCalls, 0);

    // Saving fails without a bitmap (and without a file chosen).
    ui.m_answer = {CDocumentUi::SaveAnswer::Yes, CDocumentUi::SaveChoice::Document};
    EXPECT_FALSE(doc.SaveModified());
    ui.m_strSavePath = (m_dir / "work.pvd").string();
    EXPECT_FALSE(doc.SaveModified());
    EXPECT_EQ(ui.m_nSaveCalls, 2);
    EXPECT_TRUE(pCurve->GetModified());
    EXPECT_FALSE(fs::exists(ui.m_strSavePath));

    // The name in the question: the path's file name, else the title, without one "*".
    doc.SetTitle("Scan**");
    ui.m_answer = {CDocumentUi::SaveAnswer::Cancel, CDocumentUi::SaveChoice::Document};
    doc.SaveModified();
    EXPECT_EQ(ui.m_questions.back(), "Save changes to Scan*?");
    doc.SetTitle("");
    doc.SaveModified();
    EXPECT_EQ(ui.m_questions.back(), "Save changes to Untitled?");
    doc.SetPathName("/some/where/graph.pvd");
    EXPECT_EQ(doc.GetTitle(), "graph.pvd");
    doc.SaveModified();
    EXPECT_EQ(ui.m_questions.back(), "Save changes to graph.pvd?");

    // Without dialogs a modified document is kept.
    doc.SetUi(nullptr);
    EXPECT_FALSE(doc.SaveModified());
}

TEST_F(PlotvaneDocTest, SavingClearsEveryCurveAndClosingThenAsksNothing)
{
    CPlotvaneDoc doc;
    FakeUi ui(doc);
    doc.SetUi(&ui);
    ASSERT_TRUE(doc.AcceptScannedBitmap(WhiteScan()));
    CCoordSyst* pFirst = AddCoordSyst(doc);
    CCoordSyst* pSecond = AddCoordSyst(doc);
    AddCurve<CDiscreteCurve>(doc, pFirst)->AppendPoint(1, 2);
    AddCurve<CDensityCurve>(doc, pSecond, nullptr)->SetSegment({0, 0}, {5, 5});
    ASSERT_TRUE(doc.IsModified());

    ui.m_strSavePath = (m_dir / "work.pvd").string();
    ui.m_answer = {CDocumentUi::SaveAnswer::Yes, CDocumentUi::SaveChoice::Document};
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_TRUE(fs::exists(ui.m_strSavePath));
    EXPECT_FALSE(fs::exists(ui.m_strSavePath + ".tmp"));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(pFirst->GetFirstModifiedCurve(), nullptr);
    EXPECT_EQ(pSecond->GetFirstModifiedCurve(), nullptr);
    EXPECT_EQ(doc.GetPathName(), ui.m_strSavePath);
    EXPECT_EQ(doc.GetTitle(), "work.pvd");

    ui.m_questions.clear();
    EXPECT_TRUE(doc.CanCloseFrame());
    EXPECT_TRUE(ui.m_questions.empty());
}

TEST_F(PlotvaneDocTest, AFailedSaveKeepsTheFlagsAndTheOldFile)
{
    CPlotvaneDoc doc;
    ASSERT_TRUE(doc.AcceptScannedBitmap(WhiteScan()));
    CDiscreteCurve* pCurve = AddCurve<CDiscreteCurve>(doc, AddCoordSyst(doc));
    pCurve->AppendPoint(1, 2);

    std::string strError;
    EXPECT_FALSE(doc.OnSaveDocument((m_dir / "missing" / "work.pvd").string(), &strError));
    EXPECT_FALSE(strError.empty());
    EXPECT_TRUE(pCurve->GetModified());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.GetPathName().empty());

    // The target is a directory: nothing is replaced.
    fs::create_directories(m_dir / "taken.pvd" / "inside");
    EXPECT_FALSE(doc.OnSaveDocument((m_dir / "taken.pvd").string()));
    EXPECT_TRUE(fs::exists(m_dir / "taken.pvd" / "inside"));
    EXPECT_TRUE(pCurve->GetModified());
}

TEST_F(PlotvaneDocTest, SavingLeavesTheUsersOtherFilesAloneAndNoTemporaryBehind)
{
    CPlotvaneDoc doc;
    ASSERT_TRUE(doc.AcceptScannedBitmap(WhiteScan()));
    AddCurve<CDiscreteCurve>(doc, AddCoordSyst(doc))->AppendPoint(1, 2);

    // A file of the user's that happens to carry the name of an obvious temporary.
    const fs::path target = m_dir / "work.pvd";
    {
        std::ofstream(m_dir / "work.pvd.tmp") << "mine";
    }
    auto listing = [this]() {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_dir))
            names.insert(entry.path().filename().string());
        return names;
    };
    std::set<std::string> expected = listing();
    ASSERT_TRUE(doc.OnSaveDocument(target.string()));
    expected.insert("work.pvd");
    EXPECT_EQ(listing(), expected);
    std::ifstream mine(m_dir / "work.pvd.tmp");
    std::string content;
    mine >> content;
    EXPECT_EQ(content, "mine");
    // Readable by others, as documents written the ordinary way are.
    EXPECT_NE(fs::status(target).permissions() & fs::perms::others_read, fs::perms::none);
}

TEST_F(PlotvaneDocTest, OpeningAnUndecodableGraphicLeavesAnEmptyUntitledDocument)
{
    const fs::path junk = m_dir / "junk.png";
    std::ofstream(junk, std::ios::binary) << "this is not a picture";

    CPlotvaneDoc doc;
    FakeUi ui(doc);
    doc.SetUi(&ui);
    RecordingObserver observer;
    doc.AddObserver(&observer);
    AddCoordSyst(doc);

    ui.m_strChosen = junk.string();
    EXPECT_FALSE(doc.OnOpenGraphic());
    EXPECT_EQ(ui.m_nChooseCalls, 1);
    // Every format the program decodes, then all files.
    EXPECT_EQ(
        ui.m_strFilter,
        "Graphic files|*.wmf; *.emf; *.bmp; *.dib; *.tga; *.tif; *.tiff; *.gif; *.pic; *.pct; *.pict; "
        "*.jpg; *.jpeg; *.jpe; *.png; *.eps; *.pcx; *.pgm; *.pnm; *.ppm; *.psd; *.pdf|All files (*.*)|*.*||");
    EXPECT_EQ(doc.GetTitle(), "");
    EXPECT_TRUE(doc.GetCoordSystList().empty());
    EXPECT_FALSE(doc.GetBmpManager()->IsLoaded());
    EXPECT_EQ(m_messages.LastText(), "Failed to Open this file !\n" + junk.string() + ": Unknown file type.");
    EXPECT_EQ(m_messages.WaitCursorDepth(), 0);
    EXPECT_TRUE(observer.Saw("reinitialize"));
    EXPECT_FALSE(observer.Saw("construction"));
    EXPECT_EQ(TempFileCount(), 0u);
}

TEST_F(PlotvaneDocTest, OpeningAGraphicTitlesTheDocumentAndStartsTheConstruction)
{
    const fs::path png = WhitePng();
    ASSERT_FALSE(png.empty());

    CPlotvaneDoc doc;
    FakeUi ui(doc);
    doc.SetUi(&ui);
    RecordingObserver observer;
    doc.AddObserver(&observer);

    // A modified document whose user cancels the prompt: no file dialog.
    AddCurve<CDiscreteCurve>(doc, AddCoordSyst(doc))->AppendPoint(1, 1);
    ui.m_answer = {CDocumentUi::SaveAnswer::Cancel, CDocumentUi::SaveChoice::Document};
    ui.m_strChosen = png.string();
    EXPECT_FALSE(doc.OnOpenGraphic());
    EXPECT_EQ(ui.m_nChooseCalls, 0);

    // The user cancels the file dialog: nothing changes.
    ui.m_answer = {CDocumentUi::SaveAnswer::No, CDocumentUi::SaveChoice::Document};
    ui.m_strChosen.clear();
    EXPECT_FALSE(doc.OnOpenGraphic());
    EXPECT_EQ(doc.GetCoordSystList().size(), 1u);

    ui.m_strChosen = png.string();
    ASSERT_TRUE(doc.OnOpenGraphic());
    EXPECT_EQ(doc.GetTitle(), "graph.png");
    EXPECT_EQ(doc.GetBitmapFileName(), png.string());
    EXPECT_TRUE(doc.GetCoordSystList().empty());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(m_messages.WaitCursorDepth(), 0);
    ASSERT_GE(observer.m_events.size(), 2u);
    EXPECT_EQ(observer.m_events[observer.m_events.size() - 2], "reinitialize");
    EXPECT_EQ(observer.m_events.back(), "construction");
    EXPECT_TRUE(doc.CanSaveDocument(false));
    EXPECT_FALSE(doc.CanSaveDocument(true));
}

TEST_F(PlotvaneDocTest, OpeningAPdfFileAsksForThePageAndTheResolution)
{
    // Page 1 is 72 x 36 points, page 2 36 x 72.
    const fs::path pdf = m_dir / "pages.pdf";
    std::ofstream(pdf, std::ios::binary) << pdftest::HandMadePdf({{72, 36, ""}, {36, 72, ""}});
    const fs::path png = WhitePng();
    ASSERT_FALSE(png.empty());

    CPlotvaneDoc doc;
    FakeUi ui(doc);
    doc.SetUi(&ui);
    ui.m_answer = {CDocumentUi::SaveAnswer::No, CDocumentUi::SaveChoice::Document};
    ui.m_strChosen = png.string();
    ASSERT_TRUE(doc.OnOpenGraphic());
    EXPECT_TRUE(ui.m_pdfAsked.empty());

    // Cancelling the page question keeps the picture open.
    ui.m_strChosen = pdf.string();
    EXPECT_FALSE(doc.OnOpenGraphic());
    ASSERT_EQ(ui.m_pdfAsked.size(), 1u);
    EXPECT_EQ(ui.m_pdfAsked[0], pdf.string() + " 1 300");
    EXPECT_EQ(doc.GetTitle(), "graph.png");
    EXPECT_EQ(doc.GetBitmapFileName(), png.string());

    ui.m_nPdfPage = 2;
    ui.m_nPdfDpi = 144;
    ASSERT_TRUE(doc.OnOpenGraphic());
    const PLBmp& bmp = *doc.GetBmpManager()->GetBitmap();
    EXPECT_EQ(bmp.GetWidth(), 72);
    EXPECT_EQ(bmp.GetHeight(), 144);
    EXPECT_EQ(doc.GetBitmapFileName(), "pages.pdf, page 2");
}

TEST_F(PlotvaneDocTest, ADocumentOnAMetafileReopens)
{
    // A metafile is known by its name: the picture stored in the document is read back
    // under the name it was opened with. The smallest placeable metafile: a frame of 40 x 20
    // at 96 units an inch, nothing drawn.
    uint16_t words[] = {0xCDD7, 0x9AC6, 0,  0, 0, 40, 20, 96, 0, 0, 0, 1,
                        9,      0x300,  12, 0, 0, 3,  0,  0,  3, 0, 0};
    for (int i = 0; i < 10; ++i)
        words[10] ^= words[i];  // the header's checksum
    std::string strBytes;
    for (const uint16_t w : words)
        strBytes += {static_cast<char>(w & 0xFF), static_cast<char>(w >> 8)};
    const fs::path wmf = m_dir / "graph.wmf";
    std::ofstream(wmf, std::ios::binary) << strBytes;
    const fs::path file = m_dir / "graph.pvd";
    {
        CPlotvaneDoc doc;
        FakeUi ui(doc);
        doc.SetUi(&ui);
        ui.m_strChosen = wmf.string();
        ASSERT_TRUE(doc.OnOpenGraphic());
        ASSERT_TRUE(doc.OnSaveDocument(file.string()));
    }
    CPlotvaneDoc doc;
    std::string strError;
    ASSERT_TRUE(doc.OnOpenDocument(file.string(), &strError)) << strError;
    EXPECT_EQ(doc.GetBitmapFileName(), wmf.string());
    EXPECT_EQ(doc.GetBmpManager()->GetWidth(), 40);
}

TEST_F(PlotvaneDocTest, AcceptingAScanTitlesUntitledWithoutAPath)
{
    CPlotvaneDoc doc;
    RecordingObserver observer;
    doc.AddObserver(&observer);
    doc.SetPathName("/old/work.pvd");

    const std::vector<uint8_t> damaged(10, 0);
    EXPECT_FALSE(doc.AcceptScannedBitmap(damaged));
    EXPECT_EQ(doc.GetTitle(), "Untitled");
    EXPECT_TRUE(doc.GetPathName().empty());
    EXPECT_FALSE(observer.Saw("construction"));

    ASSERT_TRUE(doc.AcceptScannedBitmap(WhiteScan()));
    EXPECT_EQ(doc.GetBitmapFileName(), "Scanned graphic");
    EXPECT_EQ(doc.GetBmpManager()->GetSize(), CPoint(20, 10));
    EXPECT_TRUE(observer.Saw("construction"));
    EXPECT_EQ(m_messages.WaitCursorDepth(), 0);
}

TEST_F(PlotvaneDocTest, DeleteContentsResetsCountersAndRemovesTheTemporaryCopy)
{
    CPlotvaneDoc doc;
    ASSERT_TRUE(doc.AcceptScannedBitmap(WhiteScan()));
    EXPECT_EQ(TempFileCount(), 1u);
    AddCurve<CDiscreteCurve>(doc, AddCoordSyst(doc))->AppendPoint(3, 3);
    doc.SetPathName("/old/work.pvd");
    ASSERT_EQ(doc.CoordSystCounter(), 2);
    ASSERT_EQ(doc.CurveCounter(), 2);

    doc.DeleteContents();
    EXPECT_EQ(TempFileCount(), 0u);
    EXPECT_FALSE(doc.GetBmpManager()->IsLoaded());
    EXPECT_EQ(doc.GetBmpManager()->GetDocument(), &doc);
    EXPECT_TRUE(doc.GetCoordSystList().empty());
    EXPECT_EQ(doc.CoordSystCounter(), 1);
    EXPECT_EQ(doc.CurveCounter(), 1);
    EXPECT_EQ(doc.GetTitle(), "Untitled");
    EXPECT_TRUE(doc.GetPathName().empty());
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(PlotvaneDocTest, DrawWidensTheClipThenDrawsTheCoordinateSystems)
{
    CPlotvaneDoc doc;
    ASSERT_TRUE(doc.AcceptScannedBitmap(WhiteScan()));
    CCoordSyst* pCoordSyst = AddCoordSyst(doc);
    AddCurve<CDiscreteCurve>(doc, pCoordSyst)->AppendPoint(300, 200);

    CRecordingDrawContext dc;
    doc.Draw(dc, CRect(2, 3, 7, 8));
    ASSERT_FALSE(dc.Entries().empty());
    EXPECT_EQ(dc.Entries()[0].kind, Kind::Blit);
    EXPECT_EQ(dc.Entries()[0].rect, CRect(2, 3, 8, 9));
    CRecordingDrawContext expected;
    pCoordSyst->Draw(expected);
    std::vector<std::string> drawn = dc.DumpLines();
    drawn.erase(drawn.begin());
    EXPECT_EQ(drawn, expected.DumpLines());

    RecordingObserver observer;
    doc.AddObserver(&observer);
    doc.Redraw(CRect(0, 0, 1, 1));
    doc.UpdateAllViews();
    EXPECT_EQ(observer.m_events, (std::vector<std::string>{"redraw", "changed"}));
}

TEST_F(PlotvaneDocTest, DocumentFileRoundTripsCoordinateSystemsAndCurves)
{
    const fs::path file = m_dir / "work.pvd";
    std::string original;
    {
        CPlotvaneDoc doc;
        ASSERT_TRUE(doc.AcceptScannedBitmap(WhiteScan()));
        CCoordSyst* pCoordSyst = AddCoordSyst(doc);
        CDiscreteCurve* pDiscrete = AddCurve<CDiscreteCurve>(doc, pCoordSyst);
        pDiscrete->AppendPoint(150, 350);
        pDiscrete->AppendPoint(250, 300);
        pDiscrete->SetName("Dots");
        pDiscrete->GetResults();
        CDensityCurve* pDensity = AddCurve<CDensityCurve>(
            doc, pCoordSyst,
            std::make_unique<CColorScale>(CColorScale::MakePixel(1, 2, 3), 0xFFFFFFFF, 7, 2));
        pDensity->SetSegment({0, 0}, {19, 9});
        pDensity->GetResults();
        doc.SetCoordSystCounter(5);
        doc.SetCurveCounter(12);
        ASSERT_TRUE(doc.OnSaveDocument(file.string()));
        original = ReadFile(file);
    }

    // Image record, one coordinate system, the class name of the first one.
    CArchive head(reinterpret_cast<const uint8_t*>(original.data()), original.size());
    EXPECT_EQ(head.ReadString(), "Scanned graphic");
    const uint32_t imageLength = head.ReadDword();
    std::vector<uint8_t> image(imageLength);
    head.ReadBytes(image.data(), image.size());
    EXPECT_EQ(head.ReadDword(), 1u);
    EXPECT_EQ(head.ReadWord(), 0xFFFF);
    EXPECT_EQ(head.ReadWord(), 1);
    EXPECT_EQ(head.ReadWord(), 10);

    CPlotvaneDoc doc;
    RecordingObserver observer;
    doc.AddObserver(&observer);
    std::string strError;
    ASSERT_TRUE(doc.OnOpenDocument(file.string(), &strError)) << strError;
    EXPECT_TRUE(observer.Saw("reinitialize"));
    EXPECT_EQ(doc.GetTitle(), "work.pvd");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetBmpManager()->GetSize(), CPoint(20, 10));
    EXPECT_EQ(doc.CoordSystCounter(), 5);
    EXPECT_EQ(doc.CurveCounter(), 12);
    ASSERT_EQ(doc.GetCoordSystList().size(), 1u);
    CCoordSyst* pCoordSyst = doc.GetCoordSystList().front().get();
    EXPECT_EQ(pCoordSyst->GetDocument(), &doc);
    EXPECT_NEAR(pCoordSyst->PixelToGraph(250, 300).x, 250.0, 1e-9);
    ASSERT_EQ(pCoordSyst->GetCurveList().size(), 2u);

    auto* pDiscrete = dynamic_cast<CDiscreteCurve*>(pCoordSyst->GetCurveList().front().get());
    ASSERT_NE(pDiscrete, nullptr);
    EXPECT_EQ(pDiscrete->GetName(), "Dots");
    EXPECT_EQ(pDiscrete->GetPoints(), (CCurve::PointList{{150, 350}, {250, 300}}));
    ASSERT_NE(pDiscrete->PeekResults(), nullptr);
    EXPECT_TRUE(pDiscrete->PeekResults()->IsKindOf(RUNTIME_CLASS(CDiscreteResults)));
    EXPECT_FALSE(pDiscrete->GetModified());

    auto* pDensity = dynamic_cast<CDensityCurve*>(pCoordSyst->GetCurveList().back().get());
    ASSERT_NE(pDensity, nullptr);
    EXPECT_EQ(pDensity->GetEnd(), CPoint(19, 9));
    EXPECT_EQ(pDensity->GetColorScale().GetTopColor(), CColorScale::MakePixel(1, 2, 3));
    EXPECT_TRUE(pDensity->PeekResults()->IsKindOf(RUNTIME_CLASS(CDensityResults)));
    // The curve reads the reloaded bitmap: white everywhere, the bottom value.
    ASSERT_TRUE(pDensity->Sample());
    EXPECT_DOUBLE_EQ(pDensity->GetValues().back(), 2.0);

    // Written again, the document is the same bytes.
    const fs::path again = m_dir / "again.pvd";
    ASSERT_TRUE(doc.OnSaveDocument(again.string()));
    EXPECT_EQ(ReadFile(again), original);
}

TEST_F(PlotvaneDocTest, DamagedDocumentsRaiseAndLeaveTheDocumentEmpty)
{
    std::string bytes;
    {
        CPlotvaneDoc doc;
        ASSERT_TRUE(doc.AcceptScannedBitmap(WhiteScan()));
        CCoordSyst* pCoordSyst = AddCoordSyst(doc);
        AddCurve<CDiscreteCurve>(doc, pCoordSyst)->AppendPoint(1, 2);
        AddCurve<CDensityCurve>(doc, pCoordSyst, nullptr)->SetSegment({0, 0}, {3, 3});
        std::ostringstream out;
        CArchive ar(out);
        doc.Serialize(ar);
        bytes = out.str();
    }

    CPlotvaneDoc doc;
    // Every truncation, the image included.
    for (size_t length = 0; length < bytes.size(); ++length) {
        doc.SetPathName("/x/before.pvd");
        CArchive ar(reinterpret_cast<const uint8_t*>(bytes.data()), length);
        EXPECT_THROW(doc.Serialize(ar), CArchiveException) << "length " << length;
        ASSERT_TRUE(doc.GetCoordSystList().empty()) << "length " << length;
        ASSERT_FALSE(doc.GetBmpManager()->IsLoaded()) << "length " << length;
        ASSERT_EQ(doc.GetTitle(), "Untitled");
        ASSERT_EQ(doc.CurveCounter(), 1);
    }
    EXPECT_EQ(TempFileCount(), 0u);

    // A count of coordinate systems far beyond the data, and a null coordinate system.
    CArchive head(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    head.ReadString();
    const uint32_t imageLength = head.ReadDword();
    const size_t countAt = bytes.size() - head.Remaining() + imageLength;
    std::string huge = bytes;
    huge.replace(countAt, 4, std::string("\xFF\xFF\xFF\x7F", 4));
    CArchive hugeAr(reinterpret_cast<const uint8_t*>(huge.data()), huge.size());
    EXPECT_THROW(doc.Serialize(hugeAr), CArchiveException);
    std::string null = bytes.substr(0, countAt + 4) + std::string("\0\0", 2);
    CArchive nullAr(reinterpret_cast<const uint8_t*>(null.data()), null.size());
    EXPECT_THROW(doc.Serialize(nullAr), CArchiveException);
    EXPECT_TRUE(doc.GetCoordSystList().empty());

    // Through the file: the reason comes back and the document is empty.
    const fs::path file = m_dir / "cut.pvd";
    std::ofstream(file, std::ios::binary) << bytes.substr(0, bytes.size() - 3);
    std::string strError;
    EXPECT_FALSE(doc.OnOpenDocument(file.string(), &strError));
    EXPECT_FALSE(strError.empty());
    EXPECT_TRUE(doc.GetCoordSystList().empty());
    EXPECT_FALSE(doc.OnOpenDocument((m_dir / "none.pvd").string(), &strError));
    EXPECT_FALSE(doc.GetBmpManager()->IsLoaded());
}

TEST_F(PlotvaneDocTest, ModelClassesAreKnownByName)
{
    CPlotvaneDoc doc;
    for (const char* name : {"CCoordSyst", "CDiscreteCurve", "CDensityCurve", "CColorScale",
                             "CDiscreteResults", "CDensityResults"})
        EXPECT_NE(CRuntimeClass::FromName(name), nullptr) << name;
}
