// The time the axes detector takes on a figure, and where it goes: finding the lines, ticks
// and label boxes, reading the labels (OCR), fitting the scales. Processor time, the median of
// several runs (the OCR engine is made once, before, as a front makes it once).
//
//     bench/axes/detect-bench-figure.py /tmp/figure.png     # 1000 x 750 pixels
//     plotvane_detect_bench /tmp/figure.png [--runs N]

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "detect/AxesDetector.h"
#include "detect/LabelReader.h"
#include "imaging/AnyPicDecoder.h"
#include "imaging/Bmp.h"
#include "imaging/TextException.h"

namespace {

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: plotvane_detect_bench FIGURE [--runs N]\n");
        return 2;
    }
    int runs = 7;
    if (argc >= 4 && std::strcmp(argv[2], "--runs") == 0)
        runs = std::max(1, std::atoi(argv[3]));
    PLAnyPicDecoder decoder;
    PLBmp bmp;
    try {
        decoder.MakeBmpFromFile(argv[1], bmp);
    } catch (const PLTextException& e) {
        std::fprintf(stderr, "%s: %s\n", argv[1], e.what());
        return 3;
    }
    CLabelReader reader;
    if (!reader.IsReady()) {
        std::fprintf(stderr, "Tesseract's English data cannot be loaded\n");
        return 3;
    }
    CAxesDetector detector(reader);
    std::vector<double> lines, ocr, fit, total;
    size_t found = 0;
    for (int i = 0; i < runs; ++i) {
        const std::clock_t start = std::clock();
        const CAxesDetection d = detector.Detect(bmp.View());
        total.push_back(static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC);
        lines.push_back(d.linesSeconds);
        ocr.push_back(d.ocrSeconds);
        fit.push_back(d.fitSeconds);
        found = d.FoundCount();
    }
    const double t = Median(total);
    std::printf("%s: %d x %d, %zu plot(s) found, %d runs, median processor time\n", argv[1], bmp.GetWidth(),
                bmp.GetHeight(), found, runs);
    std::printf("  lines, ticks, label boxes %8.1f ms  %5.1f %%\n", 1000 * Median(lines),
                100 * Median(lines) / t);
    std::printf("  OCR of the labels         %8.1f ms  %5.1f %%\n", 1000 * Median(ocr),
                100 * Median(ocr) / t);
    std::printf("  fitting the scales        %8.3f ms  %5.1f %%\n", 1000 * Median(fit),
                100 * Median(fit) / t);
    std::printf("  total                     %8.1f ms\n", 1000 * t);
    return 0;
}
