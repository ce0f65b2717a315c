#include "Dm/BmpManager.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <new>
#include <system_error>
#include <vector>

#include "Dm/24BitsBmpReader.h"
#include "Dm/Color256BmpReader.h"
#include "Dm/Geometry.h"
#include "Dm/MonochromaticBmpReader.h"
#include "Dm/RealColorBmpReader.h"
#include "imaging/BmpEncoder.h"
#include "imaging/TextException.h"
#include "platform/Archive.h"
#include "platform/InputFileError.h"
#include "platform/MappedFile.h"
#include "platform/MessageService.h"
#include "platform/NumberFormat.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"
#include "platform/TempFile.h"
#include "platform/TextEncoding.h"

IMPLEMENT_SERIAL(CBmpManager, CObject, 1)

namespace {

constexpr uint32_t kWhite = 0x00FFFFFF;
constexpr uint32_t kOutsideWhite = 0xFFFFFFFF;

// The picture record: the name, then the copy, which goes to the archive in large blocks: a picture of tens
// of megabytes is neither held whole in memory a second time nor passed on in small pieces.
void WritePictureRecord(CArchive& ar, const std::string& strFileName, const std::string& strCopyPath)
{
    const auto fail = []() {
        throw CArchiveException(CArchiveException::generic, "Cannot read the copy of the picture.");
    };
    std::error_code ec;
    if (!std::filesystem::is_regular_file(strCopyPath, ec))
        fail();
    std::ifstream in(strCopyPath, std::ios::binary);
    if (!in)
        fail();
    in.seekg(0, std::ios::end);
    const std::streamoff length = in.tellg();
    if (length <= 0 || static_cast<uint64_t>(length) > 0xFFFFFFFFu)
        fail();
    in.seekg(0, std::ios::beg);
    ar.WriteString(strFileName);
    ar.WriteDword(static_cast<uint32_t>(length));
    constexpr size_t kBlock = size_t{1} << 20;
    std::vector<char> block(std::min(kBlock, static_cast<size_t>(length)));
    uint64_t left = static_cast<uint64_t>(length);
    while (left > 0) {
        const size_t size = static_cast<size_t>(std::min<uint64_t>(left, block.size()));
        // A copy that shrank meanwhile would leave the stored length wrong.
        if (!in.read(block.data(), static_cast<std::streamsize>(size)))
            fail();
        ar.WriteBytes(block.data(), size);
        left -= size;
    }
}

bool WriteWholeFile(const std::string& path, const uint8_t* data, size_t size)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    if (size > 0)
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    return static_cast<bool>(out);
}

void ReportUnsupportedDepth(int bitsPerPixel)
{
    // 2^depth colours; a depth beyond 62 bits does not occur in a bitmap that was decoded.
    const int shift = bitsPerPixel >= 0 && bitsPerPixel < 63 ? bitsPerPixel : 62;
    AfxMessageBox(FormatWithInt(CStringTable::Get(IDS_CANNOT_HANDLE_COLORS), 1LL << shift),
                  CMessageService::Icon::Stop);
}

bool IsReadableDepth(int bitsPerPixel)
{
    return bitsPerPixel == 1 || bitsPerPixel == 8 || bitsPerPixel == 24 || bitsPerPixel == 32;
}

}  // namespace

CBmpManager::CBmpManager(CPlotvaneDoc* pDoc) : m_pDoc(pDoc) {}

CBmpManager::~CBmpManager()
{
    DropBitmap();
}

void CBmpManager::DropBitmap()
{
    m_pReader.reset();
    m_pBitmap.reset();
    m_nWidth = 0;
    m_nHeight = 0;
    if (!m_strTempPath.empty()) {
        std::remove(m_strTempPath.c_str());
        m_strTempPath.clear();
    }
}

std::string CBmpManager::MakeTempPath()
{
    return CTempFile::Create();
}

bool CBmpManager::KeepTempCopy(const uint8_t* data, size_t size, std::string* pstrError)
{
    std::string path = MakeTempPath();
    if (path.empty()) {
        if (pstrError != nullptr)
            *pstrError = CTempFile::FailureMessage();
    } else if (!WriteWholeFile(path, data, size)) {
        const int nErrno = errno;
        std::remove(path.c_str());
        path.clear();
        if (pstrError != nullptr)
            *pstrError = CTempFile::FailureMessage(nErrno);
    }
    m_strTempPath = path;
    return !path.empty();
}

bool CBmpManager::CreateReader()
{
    m_pReader.reset();
    if (m_pBitmap == nullptr)
        return false;
    PLBmp& bitmap = *m_pBitmap;
    const int bpp = bitmap.GetBitsPerPixel();
    switch (bpp) {
        case 1:
            m_pReader = std::make_unique<CMonochromaticBmpReader>(bitmap);
            break;
        case 8:
            m_pReader = std::make_unique<CColor256BmpReader>(bitmap);
            break;
        case 24:
            m_pReader = std::make_unique<C24BitsBmpReader>(bitmap);
            break;
        case 32:
            m_pReader = std::make_unique<CRealColorBmpReader>(bitmap);
            break;
        default:
            ReportUnsupportedDepth(bpp);
            m_pBitmap.reset();
            m_nWidth = 0;
            m_nHeight = 0;
            return false;
    }
    m_nWidth = bitmap.GetWidth();
    m_nHeight = bitmap.GetHeight();
    return true;
}

bool CBmpManager::DecodeFromMemory(const std::string& strFileName, const uint8_t* data, size_t size,
                                   PLAnyPicDecoder& decoder)
{
    m_pBitmap = std::make_unique<CWinBmpEx>();
    try {
        decoder.MakeBmpFromMemory(strFileName, data, size, *m_pBitmap);
    } catch (const PLTextException& e) {
        m_pBitmap.reset();
        // The decoders tell a picture too large for the bitmaps as a lack of memory, and why.
        if (e.GetCode() == PL_ERRNO_MEMORY)
            SetFailure(Failure::OutOfMemory,
                       CStringTable::Get(IDS_NOT_ENOUGH_MEMORY) + " (" + e.what() + ")");
        else if (e.GetCode() == PL_ERRLIMIT)
            SetFailure(Failure::Stopped, e.what());
        else
            SetFailure(Failure::Unreadable, e.what());
        return false;
    } catch (const std::bad_alloc&) {
        m_pBitmap.reset();
        SetFailure(Failure::OutOfMemory, CStringTable::Get(IDS_NOT_ENOUGH_MEMORY));
        return false;
    } catch (const std::exception& e) {
        m_pBitmap.reset();
        SetFailure(Failure::Unreadable, e.what());
        return false;
    }
    SetFailure(Failure::None, std::string());
    return CreateReader();
}

void CBmpManager::SetFailure(Failure failure, std::string strReason)
{
    m_LastFailure = failure;
    m_strLastReason = std::move(strReason);
}

void CBmpManager::ReportFailure(const std::string& path) const
{
    // The path is the file system's UTF-8; the message is Windows-1252 text.
    AfxMessageBox(CStringTable::Get(IDS_FAILED_TO_OPEN) + "\n" + CTextEncoding::Utf8ToCp1252(path) + ": " +
                      m_strLastReason,
                  CMessageService::Icon::Stop);
}

bool CBmpManager::Load(const std::string& path, int nPdfPage, int nPdfDpi)
{
    DropBitmap();
    // The file is read once: the bitmap and the embedded copy come from the same bytes.
    // Only a regular file of a bounded size is read.
    std::unique_ptr<CMappedFile> pFile;
    try {
        pFile = std::make_unique<CMappedFile>(path);
    } catch (const CInputFileError& e) {
        if (e.GetErrno() == ENOMEM)
            SetFailure(Failure::OutOfMemory, CStringTable::Get(IDS_NOT_ENOUGH_MEMORY));
        else
            SetFailure(Failure::Unreadable, e.UserText());
        ReportFailure(path);
        return false;
    }
    PLAnyPicDecoder decoder;
    decoder.SetPdfPage(nPdfPage, nPdfDpi);
    if (!DecodeFromMemory(path, pFile->GetData(), pFile->GetSize(), decoder)) {
        if (m_LastFailure != Failure::None)
            ReportFailure(path);
        return false;
    }
    if (decoder.GetLastFormat() == PLAnyPicDecoder::Format::PDF) {
        if (!decoder.WasComplete())
            AfxMessageBox(IDS_PDF_INCOMPLETE, CMessageService::Icon::Exclamation);
        // The page drawn stands alone in the document: no private copy of the PDF file, so
        // that saving writes the bitmap as a BMP file, as for a scanned picture.
        m_strFileName =
            FormatWithStrings(CStringTable::Get(IDS_PDF_PAGE_NAME),
                              {CTextEncoding::Utf8ToCp1252(std::filesystem::path(path).filename().string()),
                               std::to_string(nPdfPage)});
        return true;
    }
    // The name is a text of the document, in Windows-1252 as every other: the path's
    // characters that Windows-1252 cannot hold become '?'.
    m_strFileName = CTextEncoding::Utf8ToCp1252(path);
    KeepTempCopy(pFile->GetData(), pFile->GetSize());
    return true;
}

bool CBmpManager::SetFromScannedDib(const uint8_t* data, size_t size)
{
    DropBitmap();
    m_pBitmap = std::make_unique<CWinBmpEx>();
    try {
        m_pBitmap->CreateFromPackedDib(data, size);
        if (m_pBitmap->GetBitsPerPixel() == 24) {
            auto pCopy = std::make_unique<CWinBmpEx>();
            pCopy->CreateCopyAs32Bits(*m_pBitmap);
            m_pBitmap = std::move(pCopy);
        }
    } catch (const PLTextException& e) {
        m_pBitmap.reset();
        // A sound scan of a depth the readers do not know is refused as any such picture.
        const int bpp = CWinBmpEx::PackedDibBitsPerPixel(data, size);
        if (e.GetCode() == PL_ERRFORMAT_NOT_SUPPORTED && bpp != 0 && !IsReadableDepth(bpp))
            ReportUnsupportedDepth(bpp);
        return false;
    } catch (const std::bad_alloc&) {
        m_pBitmap.reset();
        return false;
    }
    if (!CreateReader())
        return false;
    m_strFileName = CStringTable::Get(IDS_SCANNED_GRAPHIC);

    try {
        const std::vector<uint8_t> bytes = PLBmpEncoder().Encode(*m_pBitmap);
        KeepTempCopy(bytes.data(), bytes.size());
    } catch (const std::exception&) {
        // Without a copy, saving the document encodes the bitmap again.
    }
    return true;
}

CPoint CBmpManager::Clamp(int x, int y) const
{
    if (m_pBitmap == nullptr)
        return CPoint();
    x = x < 0 ? 0 : (x >= m_nWidth ? m_nWidth - 1 : x);
    y = y < 0 ? 0 : (y >= m_nHeight ? m_nHeight - 1 : y);
    return CPoint(x, y);
}

uint32_t CBmpManager::GetPixelColor(int x, int y) const
{
    if (m_pReader == nullptr || x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
        return kWhite;
    return m_pReader->GetColor(x, y);
}

uint32_t CBmpManager::GetPixelColorOrWhite(int x, int y) const
{
    if (m_pReader == nullptr || x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
        return kOutsideWhite;
    return m_pReader->GetColor(x, y);
}

void CBmpManager::Draw(CDrawContext& dc, const CRect& clip) const
{
    if (m_pBitmap != nullptr)
        m_pBitmap->Draw(dc, clip, CDrawContext::RasterOp::Copy);
}

std::string CBmpManager::GetFileName() const
{
    return m_pBitmap != nullptr ? m_strFileName : std::string();
}

void CBmpManager::LoadEmbedded(const std::string& strFileName, const uint8_t* data, size_t size)
{
    DropBitmap();
    if (data == nullptr || size == 0)
        throw CArchiveException(CArchiveException::generic, "The document holds no picture.");
    // Decoded from memory with the original name, so that a metafile, recognised by its
    // name, reads back as well as any other format.
    PLAnyPicDecoder decoder;
    if (!DecodeFromMemory(strFileName, data, size, decoder)) {
        DropBitmap();
        if (m_LastFailure == Failure::OutOfMemory)
            throw std::bad_alloc();
        throw CArchiveException(CArchiveException::generic, "The picture in the document cannot be read.");
    }
    // Documents written before the name was converted hold the path's UTF-8 bytes.
    m_strFileName =
        CTextEncoding::IsNonAsciiUtf8(strFileName) ? CTextEncoding::Utf8ToCp1252(strFileName) : strFileName;
    KeepTempCopy(data, size);
}

void CBmpManager::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        if (m_pBitmap == nullptr)
            throw CArchiveException(CArchiveException::generic, "There is no picture to store.");
        if (m_strTempPath.empty()) {
            std::string strError;
            try {
                const std::vector<uint8_t> bytes = PLBmpEncoder().Encode(*m_pBitmap);
                KeepTempCopy(bytes.data(), bytes.size(), &strError);
            } catch (const std::bad_alloc&) {
                strError = CStringTable::Get(IDS_NOT_ENOUGH_MEMORY);
            } catch (const std::exception& e) {
                strError = e.what();
            }
            if (m_strTempPath.empty())
                throw CArchiveException(CArchiveException::generic, strError);
        }
        WritePictureRecord(ar, m_strFileName, m_strTempPath);
        return;
    }

    const std::string strFileName = ar.ReadString();
    const uint32_t length = ar.ReadDword();
    DropBitmap();
    if (length == 0)
        throw CArchiveException(CArchiveException::generic, "The document holds no picture.");
    // Checked before allocating: a damaged length must not reserve gigabytes.
    ar.CheckCount(length, 1);
    std::vector<uint8_t> bytes(length);
    ar.ReadBytes(bytes.data(), bytes.size());
    LoadEmbedded(strFileName, bytes.data(), bytes.size());
}

// ---------------------------------------------------------------------------------------
// Column primitives of line following.

namespace {

// The ink test of one primitive call: the reader fetched once, and every pixel outside the
// bitmap answered as background without being read. Coordinates are 64-bit so that a point
// one step beyond a coordinate read from a document cannot overflow.
struct InkProbe {
    const CAbstractBmpReader* pReader;
    int64_t nWidth;
    int64_t nHeight;
    uint32_t threshold;

    bool IsInside(int64_t x, int64_t y) const { return x >= 0 && x < nWidth && y >= 0 && y < nHeight; }
    bool IsInk(int64_t x, int64_t y) const
    {
        return IsInside(x, y) &&
               pReader->IsInk(CPoint(static_cast<int32_t>(x), static_cast<int32_t>(y)), threshold);
    }
};

bool Snap(const InkProbe& probe, CPoint& p, int d)
{
    if (!probe.IsInk(p.x, p.y))
        return false;
    while (probe.IsInk(p.x, static_cast<int64_t>(p.y) + d))
        p.y += d;
    return true;
}

bool Climb(const InkProbe& probe, int depth, CPoint& q, int s, int d)
{
    if (depth > 4)
        return false;
    if (probe.IsInk(q.x, q.y))
        return true;
    // Every pass moves q at least one row in direction -d: directly, or to the row where a
    // deeper search found ink, which itself only moved in -d. So the loop ends at the border.
    for (;;) {
        const int64_t bx = static_cast<int64_t>(q.x) - s;
        if (bx < 0 || bx >= probe.nWidth)
            return false;
        if (probe.IsInk(bx, q.y)) {
            const int64_t y = static_cast<int64_t>(q.y) - d;
            if (y < 0 || y >= probe.nHeight)
                return false;
            q.y = static_cast<int32_t>(y);
        } else {
            CPoint b(static_cast<int32_t>(bx), q.y);
            if (!Climb(probe, depth + 1, b, s, d))
                return false;
            q.y = b.y;
        }
        if (probe.IsInk(q.x, q.y))
            return true;
    }
}

bool Step(const InkProbe& probe, CPoint& p, bool bLeftwards, bool bFollowTop)
{
    const int s = bLeftwards ? -1 : 1;
    const int d = bFollowTop ? -1 : 1;
    const int64_t x = static_cast<int64_t>(p.x) + s;
    if (x < 0 || x >= probe.nWidth)
        return false;
    CPoint c(static_cast<int32_t>(x), p.y);
    if (probe.IsInk(c.x, c.y)) {
        while (probe.IsInk(c.x, static_cast<int64_t>(c.y) + d))
            c.y += d;
    } else if (!Climb(probe, 0, c, s, d)) {
        return false;
    }
    p = c;
    return true;
}

// The step of a line whose pixels touch only at corners: Step climbs against the followed
// edge only, so a corner towards the followed edge stops it. The diagonal neighbours of p in
// the next column, towards the followed edge first.
bool StepAcrossCorner(const InkProbe& probe, CPoint& p, bool bLeftwards, bool bFollowTop)
{
    const int s = bLeftwards ? -1 : 1;
    const int d = bFollowTop ? -1 : 1;
    const int64_t x = static_cast<int64_t>(p.x) + s;
    for (const int dy : {d, -d}) {
        const int64_t y = static_cast<int64_t>(p.y) + dy;
        if (probe.IsInk(x, y)) {
            CPoint c(static_cast<int32_t>(x), static_cast<int32_t>(y));
            Snap(probe, c, d);
            p = c;
            return true;
        }
    }
    return false;
}

// One candidate of a search arc of radius i: R(i sin theta) and R(i cos theta) for theta =
// j * pi / e, where e is the number of angle steps in a half turn that keeps the arc step
// near one pixel.
struct ArcStep {
    int32_t nSin;
    int32_t nCos;
};

double Pi()
{
    static const double pi = std::acos(-1.0);
    return pi;
}

int HalfTurnSteps(int64_t i)
{
    return static_cast<int>(Pi() / std::atan(1.0 / static_cast<double>(i)));
}

ArcStep MakeArcStep(int64_t i, int j, int e)
{
    const double radius = static_cast<double>(i);
    const double delta = Pi() / e;
    const double theta = j * delta;
    return ArcStep{RoundHalfAway(radius * std::sin(theta)), RoundHalfAway(radius * std::cos(theta))};
}

// The arcs of the radii that dash distances commonly reach, computed once: the sines and
// cosines cost more than the ink tests they place. Index 0 is unused.
const std::vector<std::vector<ArcStep>>& ArcTable()
{
    static const std::vector<std::vector<ArcStep>> table = [] {
        constexpr int64_t kRadii = 64;
        std::vector<std::vector<ArcStep>> arcs(kRadii + 1);
        for (int64_t i = 1; i <= kRadii; ++i) {
            const int e = HalfTurnSteps(i);
            for (int j = 0; j <= e / 2; ++j)
                arcs[static_cast<size_t>(i)].push_back(MakeArcStep(i, j, e));
        }
        return arcs;
    }();
    return table;
}

}  // namespace

bool CBmpManager::SnapToEdge(CPoint& point, bool bFollowTop, uint32_t threshold) const
{
    if (m_pReader == nullptr)
        return false;
    const InkProbe probe{m_pReader.get(), m_nWidth, m_nHeight, threshold};
    return Snap(probe, point, bFollowTop ? -1 : 1);
}

bool CBmpManager::StepToNextColumn(CPoint& point, bool bLeftwards, bool bFollowTop, uint32_t threshold,
                                   bool bCornerJoins) const
{
    if (m_pReader == nullptr)
        return false;
    const InkProbe probe{m_pReader.get(), m_nWidth, m_nHeight, threshold};
    if (Step(probe, point, bLeftwards, bFollowTop))
        return true;
    return bCornerJoins && StepAcrossCorner(probe, point, bLeftwards, bFollowTop);
}

bool CBmpManager::ClimbEdge(int depth, CPoint& point, int s, int d, uint32_t threshold) const
{
    if (m_pReader == nullptr)
        return false;
    const InkProbe probe{m_pReader.get(), m_nWidth, m_nHeight, threshold};
    return Climb(probe, depth, point, s < 0 ? -1 : 1, d < 0 ? -1 : 1);
}

CPoint CBmpManager::FindNextDash(const CPoint& point, bool bLeftwards, int maxDist, uint32_t threshold,
                                 bool bAheadOnly) const
{
    if (m_pReader == nullptr)
        return point;
    const InkProbe probe{m_pReader.get(), m_nWidth, m_nHeight, threshold};
    // The search starts from a point of a line; from outside the bitmap there is none.
    if (!probe.IsInside(point.x, point.y))
        return point;
    const int c = bLeftwards ? -1 : 1;
    // The top and the bottom edge of the ink in point's own column, reached from the column
    // behind; each stays one column behind when its step fails.
    CPoint t(point.x - c, point.y);
    Step(probe, t, bLeftwards, true);
    CPoint u(point.x - c, point.y);
    Step(probe, u, bLeftwards, false);

    // Both arc centres lie within one column of the bitmap, and a candidate of radius i is at
    // least i / sqrt(2) - 1/2 pixels from its centre along x or y: beyond this radius no
    // candidate can be inside, so a huge dash distance costs no more than the bitmap allows.
    const int64_t reach = 2 * std::max<int64_t>(m_nWidth, m_nHeight) + 2;
    const int64_t lastRadius = std::min<int64_t>(static_cast<int64_t>(maxDist) - 1, reach);
    const std::vector<std::vector<ArcStep>>& table = ArcTable();
    auto found = [&](int64_t x, int64_t y) {
        if (bAheadOnly && (x - point.x) * c <= 0)
            return false;
        return probe.IsInk(x, y);
    };
    for (int64_t i = 1; i <= lastRadius; ++i) {
        const std::vector<ArcStep>* pSteps = i < static_cast<int64_t>(table.size()) ? &table[i] : nullptr;
        const int e = pSteps != nullptr ? 0 : HalfTurnSteps(i);
        const int jmax = pSteps != nullptr ? static_cast<int>(pSteps->size()) - 1 : e / 2;
        auto arc = [&](int j) {
            return pSteps != nullptr ? (*pSteps)[static_cast<size_t>(j)] : MakeArcStep(i, j, e);
        };

        const int64_t upperX = static_cast<int64_t>(t.x) + c;
        for (int j = 0; j <= jmax; ++j) {
            const ArcStep a = arc(j);
            const int64_t x = upperX + c * static_cast<int64_t>(a.nSin);
            const int64_t y = t.y - static_cast<int64_t>(a.nCos);
            if (found(x, y))
                return CPoint(static_cast<int32_t>(x), static_cast<int32_t>(y));
        }
        const int64_t frontX = upperX + c * i;
        for (int64_t y = t.y; y <= u.y; ++y) {
            if (found(frontX, y))
                return CPoint(static_cast<int32_t>(frontX), static_cast<int32_t>(y));
        }
        const int64_t lowerX = static_cast<int64_t>(u.x) + c;
        for (int j = 0; j <= jmax; ++j) {
            const ArcStep a = arc(j);
            const int64_t x = lowerX + c * static_cast<int64_t>(a.nCos);
            const int64_t y = u.y + static_cast<int64_t>(a.nSin);
            if (found(x, y))
                return CPoint(static_cast<int32_t>(x), static_cast<int32_t>(y));
        }
    }
    return point;
}
