#pragma once

#include <string>

class CPlotvaneDoc;

// Draws a document as the graph view does (the bitmap, then every coordinate system with
// its axes and curves, through CDrawContext) into a PNG file, at a zoom in percent (the
// view's mapping: 100 logical units to zoom device pixels). Works without a display: Qt's
// offscreen platform serves the text. Only available when plotvane-cli is built with Qt
// (PLOTVANE_HAVE_RENDER).
class CDocumentRenderer {
public:
    static constexpr int kMinZoom = 1;
    static constexpr int kMaxZoom = 1000;
    // Larger pictures are refused: 128 MB of pixels, and as much again while the PNG is
    // made.
    static constexpr long long kMaxPixels = 32LL << 20;

    static bool IsAvailable();
    // Writes the PNG; an existing file is replaced only once the new one is wholly written.
    // Throws CCliError (exit code 1) on failure, its message beginning with strWhere.
    static void RenderToPng(const CPlotvaneDoc& doc, int nZoom, const std::string& strPath,
                            const std::string& strWhere);
};
