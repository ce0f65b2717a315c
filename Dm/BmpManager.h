#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "Dm/AbstractBmpReader.h"
#include "Dm/WinBmpEx.h"
#include "imaging/AnyPicDecoder.h"
#include "platform/Object.h"
#include "platform/Point.h"

class CArchive;
class CDrawContext;
class CPlotvaneDoc;

// The document's working bitmap and what the recognition algorithms ask of it: the colour
// of a pixel and whether it is ink (through a reader chosen by the bitmap's depth), with
// pixel colours as pixel words 0xAARRGGBB. Coordinates are bitmap pixels, (0, 0) top-left,
// y down.
// Keeps a private copy of the image file in the temporary directory so that the document
// file can embed it byte for byte; the copy is deleted whenever the bitmap is dropped and
// when the manager is destroyed.
// Owns the bitmap, the reader and the temporary file; the document is not owned.
class CBmpManager : public CObject {
    DECLARE_SERIAL(CBmpManager)
public:
    explicit CBmpManager(CPlotvaneDoc* pDoc = nullptr);
    ~CBmpManager() override;
    CBmpManager(const CBmpManager&) = delete;
    CBmpManager& operator=(const CBmpManager&) = delete;

    CPlotvaneDoc* GetDocument() const { return m_pDoc; }
    void SetDocument(CPlotvaneDoc* pDoc) { m_pDoc = pDoc; }

    // Decodes an image file at its native depth and keeps a copy of it. On failure the
    // user is told ("Failed to Open this file !", then the file and the reason on a line
    // of their own; or the unsupported depth) and the manager is empty. A PDF file gives
    // its page nPdfPage (from 1) drawn at nPdfDpi, named after the file and the page
    // ("figure.pdf, page 2") and kept without a copy of the file: saving embeds the bitmap
    // as a BMP file, as for a scanned picture. Why a PDF page cannot be had is told with
    // the failure.
    bool Load(const std::string& path, int nPdfPage = PLPdfDecoder::kDefaultPage,
              int nPdfDpi = PLPdfDecoder::kDefaultDpi);
    // Takes a packed device-independent bitmap handed over by a scanner; 24-bit pictures
    // become 32-bit. A damaged bitmap fails silently; an unsupported depth is reported.
    bool SetFromScannedDib(const uint8_t* data, size_t size);
    // Chooses the reader for the bitmap's depth; an unsupported depth is reported
    // ("Cannot handle %d colors graphics.") and the bitmap dropped.
    bool CreateReader();

    bool IsLoaded() const { return m_pBitmap != nullptr; }

    // Why the last picture could not be had (by Load or from a document); None after a
    // success. Stopped: its drawing (a PDF page) passed a bound or was cancelled.
    enum class Failure { None, Unreadable, OutOfMemory, Stopped };
    Failure GetLastFailure() const { return m_LastFailure; }
    // The reason the layer below gave for it: the decoder's or the system's sentence, or
    // "Not enough memory !" (with the decoder's sentence in brackets when it has one).
    const std::string& GetLastReason() const { return m_strLastReason; }
    // x = width, y = height; (0, 0) without a bitmap.
    CPoint GetSize() const { return CPoint(m_nWidth, m_nHeight); }
    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }
    // The point moved into the bitmap; (0, 0) without a bitmap.
    CPoint Clamp(int x, int y) const;

    // The pixel word; white 0x00FFFFFF outside the bitmap or without one.
    uint32_t GetPixelColor(int x, int y) const;
    // The same, but 0xFFFFFFFF outside.
    uint32_t GetPixelColorOrWhite(int x, int y) const;
    // The ink test of line following. No bounds checks: a bitmap must be loaded and p lie
    // inside it.
    bool IsInk(const CPoint& p, uint32_t threshold) const { return m_pReader->IsInk(p, threshold); }
    const CAbstractBmpReader* GetReader() const { return m_pReader.get(); }
    const CWinBmpEx* GetBitmap() const { return m_pBitmap.get(); }

    // Column primitives of line following. Each works on single pixels through the ink test
    // of the reader with the follower's threshold, never reads a pixel outside
    // 0 <= x < width, 0 <= y < height (a pixel outside counts as background) and fails
    // without a bitmap. "Top" is the smallest y of a vertical ink run, "bottom" the largest.

    // Moves point to the followed edge of the vertical ink run through it. False, point
    // unchanged, when the pixel at point is not ink.
    bool SnapToEdge(CPoint& point, bool bFollowTop, uint32_t threshold) const;
    // Moves point to the followed edge of the line in the next column (x - 1 when leftwards,
    // x + 1 otherwise). False, point unchanged, when the line cannot be reached there or the
    // next column is outside the bitmap. With bCornerJoins, where that fails, an ink pixel of
    // the next column that touches point only at a corner (one row towards the followed edge
    // first, then one row away from it) continues the line, snapped to its followed edge.
    bool StepToNextColumn(CPoint& point, bool bLeftwards, bool bFollowTop, uint32_t threshold,
                          bool bCornerJoins = false) const;
    // From a blank pixel of the new column, walks against the followed edge (direction -d)
    // along the ink of the column behind (x - s) until the new column has ink; recursive,
    // depth 0 to 4. s is the column step (-1 leftwards, +1 rightwards), d the edge direction
    // (-1 top, +1 bottom). False when the search fails; point is then undefined.
    bool ClimbEdge(int depth, CPoint& point, int s, int d, uint32_t threshold) const;
    // Searches beyond the end of a dash for the next one, on growing half circles of radius
    // 1 to maxDist - 1 ahead of point: the upper arc, the front column, the lower arc. The
    // first ink pixel met, or point itself when none is found (or point is outside the
    // bitmap). With bAheadOnly, candidates in point's own column are passed over, so that
    // the result, when found, always lies at least one column ahead.
    CPoint FindNextDash(const CPoint& point, bool bLeftwards, int maxDist, uint32_t threshold,
                        bool bAheadOnly = false) const;

    // The bitmap 1:1 into clip with a plain copy; nothing without a bitmap.
    void Draw(CDrawContext& dc, const CRect& clip) const;

    // The path of the image file as a Windows-1252 text (characters it cannot hold are '?'),
    // or "Scanned graphic"; empty without a bitmap.
    std::string GetFileName() const;
    // The private copy of the image file; empty when there is none.
    const std::string& GetTempPath() const { return m_strTempPath; }
    // Creates a new, empty, uniquely named file in the temporary directory and returns its
    // path; empty when none can be made.
    static std::string MakeTempPath();

    // The file name and the embedded image file. Storing without a copy of the image file
    // first writes the bitmap as a BMP file. Loading raises CArchiveException when the image
    // is missing, cannot be decoded or has an unsupported depth; the manager is then empty.
    void Serialize(CArchive& ar) override;
    // What loading does with the embedded record: decodes the image file held in data (its
    // name serves to recognise metafiles) and keeps it as the private copy. Raises
    // CArchiveException (generic) on failure, leaving the manager empty.
    void LoadEmbedded(const std::string& strFileName, const uint8_t* data, size_t size);

private:
    // Deletes the bitmap, the reader and the private copy of the image file.
    void DropBitmap();
    // Decodes into a new bitmap with decoder and makes its reader; a failure to decode is
    // recorded (GetLastFailure), an unsupported depth reported to the user.
    bool DecodeFromMemory(const std::string& strFileName, const uint8_t* data, size_t size,
                          PLAnyPicDecoder& decoder);
    // Makes a private copy holding the given bytes; no copy when that fails, and the
    // message naming the temporary folder and the reason in pstrError (if given).
    bool KeepTempCopy(const uint8_t* data, size_t size, std::string* pstrError = nullptr);
    void SetFailure(Failure failure, std::string strReason);
    // Tells the user that the picture at path cannot be opened, with the recorded reason.
    void ReportFailure(const std::string& path) const;

    CPlotvaneDoc* m_pDoc = nullptr;
    std::string m_strFileName;
    std::unique_ptr<CWinBmpEx> m_pBitmap;
    std::unique_ptr<CAbstractBmpReader> m_pReader;
    int m_nWidth = 0;
    int m_nHeight = 0;
    std::string m_strTempPath;
    Failure m_LastFailure = Failure::None;
    std::string m_strLastReason;
};
