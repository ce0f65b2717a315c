// The export of two continuous curves of a million rows each, through the file writer,
// against writing the same bytes from one prepared buffer with a single fwrite: the price of
// asking the results for their cells, formatting the numbers and joining the lines, over the
// bare cost of the file. A third case asks the results for their cells only, without
// joining or writing, to show where the time goes.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "Dm/ContinuousCurve.h"
#include "Dm/ContinuousResults.h"
#include "Dm/CoordSyst.h"
#include "Dm/FileResultDumper.h"
#include "Dm/Limit.h"
#include "platform/TempFile.h"

namespace {

constexpr int kColumns = 2000;
constexpr int kRows = 1000000;

// Results with the rows of a continuous curve already computed, standing in for
// CContinuousResults where its computation gives no rows.
class CPreparedRows : public CResults {
public:
    explicit CPreparedRows(const CResults& source) : m_pSource(&source) {}
    std::unique_ptr<CResults> Clone() const override { return nullptr; }
    void Fill(double dPhase)
    {
        m_Rows.clear();
        for (int i = 0; i < kRows; ++i) {
            const double x = i * 1e-6;
            m_Rows.emplace_back(x, 500 + 400 * std::sin(6.283185307179586 * 3 * x + dPhase));
        }
    }
    void GetTitleLine(int nIndex, CellList& cells) const override { m_pSource->GetTitleLine(nIndex, cells); }

private:
    const CResults* m_pSource;
};

// Two continuous curves traced across 2000 pixel columns of a coordinate system whose X runs
// from 0 to 1 and Y from 0 to 1000, sampled every 1e-6: a million rows each.
class CExportScene {
public:
    CExportScene()
    {
        m_CoordSyst.GetXAxe().SetLine(CPoint(0, 1000), CPoint(kColumns, 1000));
        m_CoordSyst.GetYAxe().SetLine(CPoint(0, 1000), CPoint(0, 0));
        m_CoordSyst.ComputeOrigin();
        m_CoordSyst.GetXAxe().GetScalePoint1().SetPosition(CPoint(0, 1000));
        m_CoordSyst.GetXAxe().GetScalePoint1().SetValue(0);
        m_CoordSyst.GetXAxe().GetScalePoint2().SetPosition(CPoint(kColumns, 1000));
        m_CoordSyst.GetXAxe().GetScalePoint2().SetValue(1);
        m_CoordSyst.GetYAxe().GetScalePoint1().SetPosition(CPoint(0, 1000));
        m_CoordSyst.GetYAxe().GetScalePoint1().SetValue(0);
        m_CoordSyst.GetYAxe().GetScalePoint2().SetPosition(CPoint(0, 0));
        m_CoordSyst.GetYAxe().GetScalePoint2().SetValue(1000);

        for (int k = 0; k < 2; ++k) {
            auto* pCurve = m_CoordSyst.AddCurve(std::make_unique<CContinuousCurve>(&m_CoordSyst));
            pCurve->GetLeftLimit()->SetValue(0);
            pCurve->GetRightLimit()->SetValue(1);
            for (int x = 0; x <= kColumns; ++x) {
                const double y = 500 + 400 * std::sin(6.283185307179586 * 3 * x / kColumns + k);
                pCurve->GetPoints().emplace_back(x, static_cast<int>(1000 - y));
            }
            auto* pResults = static_cast<CContinuousResults*>(pCurve->GetResults());
            pResults->SetFirstValue(0);
            pResults->SetPeriod(1e-6);
            pResults->Compute();
            if (pResults->GetRowCount() >= kRows) {
                m_List.push_back(pResults);
            } else {
                auto pPrepared = std::make_unique<CPreparedRows>(*pResults);
                pPrepared->Fill(k);
                m_List.push_back(pPrepared.get());
                m_Prepared.push_back(std::move(pPrepared));
            }
        }
        m_strPath = CTempFile::Create();
    }
    ~CExportScene()
    {
        std::error_code ec;
        std::filesystem::remove(m_strPath, ec);
    }

    const CAbstractResultDumper::ResultsList& List() const { return m_List; }
    const std::string& Path() const { return m_strPath; }
    bool UsesRealResults() const { return m_Prepared.empty(); }

    static CExportScene& Get()
    {
        static CExportScene scene;
        return scene;
    }

private:
    CCoordSyst m_CoordSyst;
    std::vector<std::unique_ptr<CPreparedRows>> m_Prepared;
    CAbstractResultDumper::ResultsList m_List;
    std::string m_strPath;
};

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void SetCounters(benchmark::State& state, size_t nBytes)
{
    const CExportScene& scene = CExportScene::Get();
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * nBytes));
    state.counters["rows"] = scene.List().front()->GetRowCount();
    state.SetLabel(scene.UsesRealResults() ? "CContinuousResults" : "prepared rows");
}

void BM_ExportFileWriter(benchmark::State& state)
{
    CExportScene& scene = CExportScene::Get();
    for (auto _ : state) {
        CFileResultDumper dumper(scene.List(), scene.Path(), '\t');
        dumper.Dump();
    }
    SetCounters(state, std::filesystem::file_size(scene.Path()));
}

void BM_ExportPreparedBuffer(benchmark::State& state)
{
    CExportScene& scene = CExportScene::Get();
    {
        CFileResultDumper dumper(scene.List(), scene.Path(), '\t');
        dumper.Dump();
    }
    const std::string bytes = ReadAll(scene.Path());
    for (auto _ : state) {
        std::FILE* pFile = std::fopen(scene.Path().c_str(), "wb");
        if (pFile == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), pFile) != bytes.size())
            state.SkipWithError("cannot write the file");
        if (pFile != nullptr)
            std::fclose(pFile);
    }
    SetCounters(state, bytes.size());
}

void BM_ExportCellsOnly(benchmark::State& state)
{
    CExportScene& scene = CExportScene::Get();
    CResults::CellList cells;
    size_t nBytes = 0;
    for (auto _ : state) {
        nBytes = 0;
        for (int i = 0; i < kRows; ++i) {
            cells.clear();
            for (const CResults* pResults : scene.List())
                pResults->GetRow(i, cells);
            for (const std::string& cell : cells)
                nBytes += cell.size();
        }
        benchmark::DoNotOptimize(nBytes);
    }
    SetCounters(state, nBytes);
}

}  // namespace

BENCHMARK(BM_ExportFileWriter)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ExportPreparedBuffer)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ExportCellsOnly)->Unit(benchmark::kMillisecond)->UseRealTime();
