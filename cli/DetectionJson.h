#pragma once

#include <string>

#include <nlohmann/json.hpp>

struct CAxesDetection;

// The JSON of what the axes detector found: the job (doc/cli.md's format) that builds its
// coordinate systems, and the report of how each was found (ticks, labels read, residuals,
// confidence, time).
class CDetectionJson {
public:
    // nPage and nDpi: a PDF's page and resolution, 0 for another picture.
    static nlohmann::ordered_json Job(const CAxesDetection& detection, const std::string& strImage, int nPage,
                                      int nDpi);
    static nlohmann::ordered_json Report(const CAxesDetection& detection, const std::string& strImage);
};
