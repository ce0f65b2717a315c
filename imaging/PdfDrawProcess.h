#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class PLBmp;
class PLPdfDrawWaiter;

// Draws one page of a PDF file in a program of its own (plotvane-pdf-page, installed beside
// the program's executables in ../libexec/plotvane), so that a page is bounded from outside
// whatever it holds: the drawing is stopped when its processor time or its memory passes the
// bound, or when the waiter says to stop, and poppler's own messages never reach the
// terminal. The pixels come back through a pipe into the bitmap.
class PLPdfDrawProcess {
public:
    struct Bounds {
        double cpuSeconds;     // processor time of the drawing
        double wallSeconds;    // time from start to end, however busy the machine
        uint64_t memoryBytes;  // resident memory of the drawing program
        double maxPixels;      // of the bitmap it answers with
    };

    // Draws page (from 1) of the file at dpi into bmp (32 bits, blue, green, red, 0xFF).
    // Returns false when the page was drawn but poppler complained while drawing it (a part
    // of the page may be missing). Raises PLTextException: PL_ERRLIMIT when a bound was passed
    // or the user cancelled, PL_ERRBAD_FORMAT when the page could not be drawn, PL_ERRNO_MEMORY
    // when the drawing program ran out of memory, PL_ERRINTERNAL when it cannot be run.
    static bool Draw(const uint8_t* data, size_t size, int page, int dpi, const Bounds& bounds,
                     PLPdfDrawWaiter* pWaiter, PLBmp& bmp);

    // Where the drawing program is looked for.
    static std::string ProgramPath();
};
