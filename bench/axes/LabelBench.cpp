// Reads the tick labels of the axis corpus (bench/axes/make-corpus) with the label reader and
// counts those it reads right, by degradation and by the way the label is written, with the
// time a label takes. The truth gives each matplotlib label's box and text; the label is read
// from its box with a margin of pixels around it, as a detector would cut it.
//
//     plotvane_label_bench CORPUS [--margin N] [--show N]

#include <nlohmann/json.hpp>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "detect/LabelParser.h"
#include "detect/LabelReader.h"
#include "imaging/AnyPicDecoder.h"
#include "imaging/Bmp.h"

namespace {

struct CTally {
    int right = 0;
    int wrong = 0;  // read as another number
    int none = 0;   // read as no number
    void Add(const CTally& other)
    {
        right += other.right;
        wrong += other.wrong;
        none += other.none;
    }
};

const char* FormName(CLabelValue::Form form)
{
    // In the order of CLabelValue::Form.
    static const char* const kNames[] = {"plain", "scientific", "power", "multiplier", "offset"};
    return kNames[static_cast<int>(form)];
}

void Print(const std::string& name, const CTally& t)
{
    const int n = t.right + t.wrong + t.none;
    if (n == 0)
        return;
    std::printf("%-22s %6d labels: %6.1f%% right, %5.1f%% another number, %5.1f%% no number\n", name.c_str(),
                n, 100.0 * t.right / n, 100.0 * t.wrong / n, 100.0 * t.none / n);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: plotvane_label_bench CORPUS [--margin N] [--show N]\n");
        return 2;
    }
    int margin = 3;
    int show = 15;
    for (int i = 2; i + 1 < argc; i += 2) {
        if (std::string(argv[i]) == "--margin")
            margin = std::stoi(argv[i + 1]);
        else if (std::string(argv[i]) == "--show")
            show = std::stoi(argv[i + 1]);
    }
    CLabelReader reader;
    if (!reader.IsReady()) {
        std::fprintf(stderr, "the OCR cannot load its English data\n");
        return 1;
    }
    std::map<std::string, CTally> byDegradation;
    std::map<std::string, CTally> byForm;
    double seconds = 0.0;
    int labels = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(argv[1])) {
        const std::string path = entry.path().string();
        if (path.size() < 11 || path.compare(path.size() - 11, 11, ".truth.json") != 0)
            continue;
        std::ifstream in(path);
        const nlohmann::json truth = nlohmann::json::parse(in);
        if (truth["plots"].empty() || !truth["plots"][0].contains("x_labels"))
            continue;
        PLBmp bmp;
        PLAnyPicDecoder().MakeBmpFromFile(
            (entry.path().parent_path() / truth["image"].get<std::string>()).string(), bmp);
        const std::string degradation = truth["degradation"]["kind"];
        for (const nlohmann::json& plot : truth["plots"]) {
            std::vector<nlohmann::json> texts;
            for (const char* key : {"x_labels", "y_labels"}) {
                for (const nlohmann::json& label : plot[key])
                    texts.push_back(label);
            }
            for (const char* key : {"x_offset", "y_offset"}) {
                if (plot.contains(key))
                    texts.push_back(plot[key]);
            }
            for (const nlohmann::json& label : texts) {
                const std::optional<CLabelValue> expected = CLabelParser::Parse(label["text"]);
                if (!expected)
                    continue;  // a text the parser does not take is no test of the OCR
                const nlohmann::json& box = label["box"];
                // Box edges are between pixels: pixel i spans i - 0.5 to i + 0.5.
                const CRect rect(static_cast<int32_t>(std::floor(box[0].get<double>() + 0.5)) - margin,
                                 static_cast<int32_t>(std::floor(box[1].get<double>() + 0.5)) - margin,
                                 static_cast<int32_t>(std::ceil(box[2].get<double>() + 0.5)) + margin,
                                 static_cast<int32_t>(std::ceil(box[3].get<double>() + 0.5)) + margin);
                const auto start = std::chrono::steady_clock::now();
                const CLabelReader::CReading reading = reader.Read(bmp.View(), rect);
                seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
                ++labels;
                CTally t;
                if (!reading.value)
                    t.none = 1;
                else if (reading.value->form == expected->form &&
                         std::fabs(reading.value->value - expected->value) <=
                             1e-9 * std::max(1.0, std::fabs(expected->value)))
                    t.right = 1;
                else
                    t.wrong = 1;
                byDegradation[degradation].Add(t);
                byForm[FormName(expected->form)].Add(t);
                if (t.right == 0 && show > 0) {
                    --show;
                    std::printf("%s: \"%s\" read as \"%s\"\n", truth["image"].get<std::string>().c_str(),
                                label["text"].get<std::string>().c_str(), reading.text.c_str());
                }
            }
        }
    }
    CTally all;
    for (const auto& [name, t] : byDegradation) {
        Print(name, t);
        all.Add(t);
    }
    for (const auto& [name, t] : byForm)
        Print(name, t);
    Print("all", all);
    if (labels > 0)
        std::printf("%.1f ms a label (%d labels)\n", 1000.0 * seconds / labels, labels);
    return 0;
}
