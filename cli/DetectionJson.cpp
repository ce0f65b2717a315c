#include "cli/DetectionJson.h"

#include "detect/AxesDetection.h"

namespace {

nlohmann::ordered_json Point(const CPoint& p)
{
    return nlohmann::ordered_json::array({p.x, p.y});
}

nlohmann::ordered_json JobAxis(const CDetectedAxis& axis)
{
    nlohmann::ordered_json j;
    j["line"] = nlohmann::ordered_json::array({Point(axis.lineStart), Point(axis.lineEnd)});
    j["point1"] = {{"at", Point(axis.at1)}, {"value", axis.value1}};
    j["point2"] = {{"at", Point(axis.at2)}, {"value", axis.value2}};
    if (axis.logarithmic)
        j["logarithmic"] = true;
    return j;
}

nlohmann::ordered_json ReportAxis(const CDetectedAxis& axis)
{
    nlohmann::ordered_json j;
    j["found"] = axis.found;
    if (!axis.found)
        j["reason"] = axis.reason;
    j["confidence"] = axis.confidence;
    if (axis.found) {
        j["logarithmic"] = axis.logarithmic;
        j["line"] = nlohmann::ordered_json::array({Point(axis.lineStart), Point(axis.lineEnd)});
        j["point1"] = {{"at", Point(axis.at1)}, {"value", axis.value1}};
        j["point2"] = {{"at", Point(axis.at2)}, {"value", axis.value2}};
    }
    if (axis.factor != 1.0)
        j["multiplier"] = axis.factor;
    if (axis.offset != 0.0)
        j["offset"] = axis.offset;
    nlohmann::ordered_json ticks = nlohmann::ordered_json::array();
    for (const CTick& t : axis.ticks)
        ticks.push_back({{"at", t.at}, {"outside", t.outside}, {"inside", t.inside}});
    j["ticks"] = ticks;
    nlohmann::ordered_json labels = nlohmann::ordered_json::array();
    for (const CDetectedLabel& l : axis.labels) {
        nlohmann::ordered_json label;
        label["text"] = l.text;
        label["box"] = {l.box.left, l.box.top, l.box.right, l.box.bottom};
        if (l.number)
            label["value"] = l.value;
        if (l.onTick) {
            label["tick"] = l.at;
            label["agrees"] = l.agrees;
            if (l.number)
                label["residual"] = l.residual;
        }
        labels.push_back(label);
    }
    j["labels"] = labels;
    return j;
}

}  // namespace

nlohmann::ordered_json CDetectionJson::Job(const CAxesDetection& detection, const std::string& strImage,
                                           int nPage, int nDpi)
{
    nlohmann::ordered_json job;
    job["image"] = strImage;
    if (nPage > 0)
        job["page"] = nPage;
    if (nDpi > 0)
        job["dpi"] = nDpi;
    nlohmann::ordered_json systems = nlohmann::ordered_json::array();
    for (const CDetectedPlot& plot : detection.plots) {
        if (plot.found)
            systems.push_back({{"x_axis", JobAxis(plot.x)}, {"y_axis", JobAxis(plot.y)}});
    }
    job["coordinate_systems"] = systems;
    return job;
}

nlohmann::ordered_json CDetectionJson::Report(const CAxesDetection& detection, const std::string& strImage)
{
    nlohmann::ordered_json report;
    report["image"] = strImage;
    report["found"] = detection.FoundCount();
    if (detection.FoundCount() == 0)
        report["reason"] = detection.reason;
    nlohmann::ordered_json plots = nlohmann::ordered_json::array();
    for (const CDetectedPlot& plot : detection.plots) {
        nlohmann::ordered_json p;
        p["found"] = plot.found;
        if (!plot.found)
            p["reason"] = plot.reason;
        p["confidence"] = plot.confidence;
        p["x_axis"] = ReportAxis(plot.x);
        p["y_axis"] = ReportAxis(plot.y);
        plots.push_back(p);
    }
    report["plots"] = plots;
    report["seconds"] = {{"lines_and_ticks", detection.linesSeconds},
                         {"ocr", detection.ocrSeconds},
                         {"fit", detection.fitSeconds}};
    return report;
}
