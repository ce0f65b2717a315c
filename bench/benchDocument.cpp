// Saving and loading a document that embeds a 52.5 MB picture (an uncompressed 24-bit BMP
// of 5000 x 3500), against copying the same file: by the file system's own copy, and by
// reading it whole and writing it out again. Loading decodes the embedded picture, which a
// copy does not: opening the BMP file as a picture alone shows that part.

#include <benchmark/benchmark.h>
#include <memory>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Dm/CoordSyst.h"
#include "Dm/DiscreteCurve.h"
#include "Dm/PlotvaneDoc.h"

namespace fs = std::filesystem;

namespace {

constexpr int32_t kWidth = 5000;
constexpr int32_t kHeight = 3500;

void Put(std::vector<uint8_t>& v, size_t at, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        v[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// The files of the benchmarks, made once: the picture and a document embedding it.
class CDocumentScene {
public:
    CDocumentScene()
    {
        m_dir = fs::temp_directory_path() / "plotvane-bench-document";
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        m_bmp = m_dir / "picture.bmp";
        m_pvd = m_dir / "work.pvd";

        const size_t rowBytes = static_cast<size_t>(kWidth) * 3;  // a multiple of 4
        const size_t imageBytes = rowBytes * kHeight;
        std::vector<uint8_t> file(54 + imageBytes);
        file[0] = 'B';
        file[1] = 'M';
        Put(file, 2, static_cast<uint32_t>(file.size()), 4);
        Put(file, 10, 54, 4);
        Put(file, 14, 40, 4);
        Put(file, 18, kWidth, 4);
        Put(file, 22, kHeight, 4);
        Put(file, 26, 1, 2);
        Put(file, 28, 24, 2);
        Put(file, 34, static_cast<uint32_t>(imageBytes), 4);
        // A pattern that no run-length or block trick makes cheap.
        uint32_t seed = 12345;
        for (size_t i = 54; i < file.size(); ++i) {
            seed = seed * 1103515245u + 12345u;
            file[i] = static_cast<uint8_t>(seed >> 24);
        }
        std::ofstream(m_bmp, std::ios::binary)
            .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));

        if (!m_doc.OpenBitmap(m_bmp.string()))
            throw std::runtime_error("the benchmark picture does not load");
        auto* pCoordSyst = m_doc.AddCoordSyst(std::make_unique<CCoordSyst>(&m_doc));
        auto* pCurve = pCoordSyst->AddCurve(std::make_unique<CDiscreteCurve>(pCoordSyst));
        pCurve->AppendPoint(10, 20);
        if (!m_doc.OnSaveDocument(m_pvd.string()))
            throw std::runtime_error("the benchmark document cannot be saved");
    }
    ~CDocumentScene() { fs::remove_all(m_dir); }

    fs::path m_dir, m_bmp, m_pvd;
    CPlotvaneDoc m_doc;
};

CDocumentScene& Scene()
{
    static CDocumentScene scene;
    return scene;
}

void SetBytes(benchmark::State& state, const fs::path& path)
{
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(fs::file_size(path)));
}

void BM_DocumentSave(benchmark::State& state)
{
    CDocumentScene& scene = Scene();
    const fs::path out = scene.m_dir / "saved.pvd";
    for (auto _ : state) {
        if (!scene.m_doc.OnSaveDocument(out.string()))
            state.SkipWithError("save failed");
    }
    SetBytes(state, out);
}
BENCHMARK(BM_DocumentSave)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DocumentLoad(benchmark::State& state)
{
    CDocumentScene& scene = Scene();
    for (auto _ : state) {
        CPlotvaneDoc doc;
        if (!doc.OnOpenDocument(scene.m_pvd.string()))
            state.SkipWithError("load failed");
    }
    SetBytes(state, scene.m_pvd);
}
BENCHMARK(BM_DocumentLoad)->Unit(benchmark::kMillisecond)->UseRealTime();

// The decoding part of a load: the same picture opened as a picture file.
void BM_PictureOpen(benchmark::State& state)
{
    CDocumentScene& scene = Scene();
    for (auto _ : state) {
        CPlotvaneDoc doc;
        if (!doc.OpenBitmap(scene.m_bmp.string()))
            state.SkipWithError("open failed");
    }
    SetBytes(state, scene.m_bmp);
}
BENCHMARK(BM_PictureOpen)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FileSystemCopy(benchmark::State& state)
{
    CDocumentScene& scene = Scene();
    const fs::path out = scene.m_dir / "copy.bmp";
    for (auto _ : state)
        fs::copy_file(scene.m_bmp, out, fs::copy_options::overwrite_existing);
    SetBytes(state, out);
}
BENCHMARK(BM_FileSystemCopy)->Unit(benchmark::kMillisecond)->UseRealTime();

// Read whole, write whole: what any program that passes the bytes through its memory pays.
void BM_ReadWriteCopy(benchmark::State& state)
{
    CDocumentScene& scene = Scene();
    const fs::path out = scene.m_dir / "copy.bmp";
    std::vector<char> buffer;
    for (auto _ : state) {
        std::FILE* in = std::fopen(scene.m_bmp.c_str(), "rb");
        buffer.resize(static_cast<size_t>(fs::file_size(scene.m_bmp)));
        const size_t got = std::fread(buffer.data(), 1, buffer.size(), in);
        std::fclose(in);
        std::FILE* o = std::fopen(out.c_str(), "wb");
        const size_t put = std::fwrite(buffer.data(), 1, got, o);
        std::fclose(o);
        if (put != buffer.size())
            state.SkipWithError("copy failed");
    }
    SetBytes(state, out);
}
BENCHMARK(BM_ReadWriteCopy)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
