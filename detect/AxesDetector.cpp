#include "detect/AxesDetector.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <string>

#include "detect/AxisFit.h"
#include "detect/GreyPicture.h"
#include "detect/LabelReader.h"
#include "detect/PlotFrameFinder.h"
#include "detect/TickLabelFinder.h"
#include "platform/PixelBuffer.h"

namespace {

// Room left around a label's ink for the reader.
constexpr int32_t kLabelRoom = 3;

class CStopwatch {
public:
    // Adds the processor time since the last call (or since it was made) to seconds.
    void Lap(double& seconds)
    {
        const std::clock_t now = std::clock();
        seconds += static_cast<double>(now - m_Last) / CLOCKS_PER_SEC;
        m_Last = now;
    }

private:
    std::clock_t m_Last = std::clock();
};

CPoint WholePixel(const CAxisLine& line, int32_t along)
{
    const auto across = static_cast<int32_t>(std::lround(line.Across(along)));
    return line.vertical ? CPoint(across, along) : CPoint(along, across);
}

CRect Grown(const CRect& r, int32_t by)
{
    return {r.left - by, r.top - by, r.right + by, r.bottom + by};
}

// The label's middle along the axis, in the coordinates of the ticks' positions.
double LabelMiddle(const CRect& box, bool vertical)
{
    return vertical ? (box.top + box.bottom - 1) / 2.0 : (box.left + box.right - 1) / 2.0;
}

// The tick a label stands at: the nearest, within a part of the label's size along the axis.
const CTick* TickOf(const std::vector<CTick>& ticks, const CRect& box, bool vertical)
{
    const double middle = LabelMiddle(box, vertical);
    const double reach = std::max(3.0, vertical ? 0.5 * box.Height() : 0.3 * box.Width());
    const CTick* nearest = nullptr;
    for (const CTick& t : ticks) {
        if (std::abs(t.at - middle) <= reach &&
            (nearest == nullptr || std::abs(t.at - middle) < std::abs(nearest->at - middle)))
            nearest = &t;
    }
    return nearest;
}

class CAxisWork {
public:
    CAxisWork(const CGreyPicture& grey, const CPixelBufferView& picture, CLabelReader& reader,
              CAxesDetection& times)
        : m_Grey(grey), m_Picture(picture), m_Reader(reader), m_Times(times)
    {
    }

    CDetectedAxis Detect(const CAxisLine& line)
    {
        CDetectedAxis axis;
        CStopwatch watch;
        const int maxTick = std::max(15, std::min(m_Grey.GetWidth(), m_Grey.GetHeight()) / 30);
        axis.ticks = CTickFinder::Find(m_Grey, line, maxTick);
        int clear = 0;
        for (const CTick& t : axis.ticks)
            clear = std::max(clear, t.outside);
        const CTickLabelFinder::CBoxes boxes = CTickLabelFinder::Find(m_Grey, line, clear);
        watch.Lap(m_Times.linesSeconds);

        std::string unreadable;

        for (const CRect& box : boxes.extras) {
            const CLabelReader::CReading reading = m_Reader.Read(m_Picture, Grown(box, kLabelRoom));
            CDetectedLabel label{box, reading.text, false, 0.0, false, 0.0, false, 0.0};
            // An offset or multiplier text that cannot be read leaves the labels' values unknown.
            const bool marked = reading.text.rfind('+', 0) == 0 || reading.text.rfind("\xC3\x97", 0) == 0;
            if (marked && !reading.value)
                unreadable = reading.text;
            if (reading.value) {
                const CLabelValue::Form form = reading.value->form;
                label.number = form == CLabelValue::Form::Offset || form == CLabelValue::Form::Multiplier ||
                               form == CLabelValue::Form::Scientific;
                label.value = reading.value->value;
                if (form == CLabelValue::Form::Offset)
                    axis.offset = label.value;
                else if (label.number)
                    axis.factor = label.value;
            }
            axis.labels.push_back(label);
        }
        std::vector<CAxisFit::CLabelledTick> labelled;
        std::vector<size_t> labelOf;
        for (const CRect& box : boxes.labels) {
            const CTick* tick = TickOf(axis.ticks, box, line.vertical);
            const CLabelReader::CReading reading = m_Reader.Read(m_Picture, Grown(box, kLabelRoom));
            CDetectedLabel label{box,   reading.text, reading.value.has_value(), 0.0, tick != nullptr, 0.0,
                                 false, 0.0};
            if (reading.value) {
                label.value = reading.value->value;
                const CLabelValue::Form form = reading.value->form;
                if (form == CLabelValue::Form::Offset)
                    axis.offset = label.value;
                else if (form == CLabelValue::Form::Multiplier)
                    axis.factor = label.value;
            }
            if (tick != nullptr) {
                label.at = tick->at;
                if (reading.value) {
                    labelled.push_back({tick->at, *reading.value});
                    labelOf.push_back(axis.labels.size());
                }
            }
            axis.labels.push_back(label);
        }
        watch.Lap(m_Times.ocrSeconds);

        const CAxisFit::CResult fit = CAxisFit::Fit(labelled, axis.factor, axis.offset);
        for (size_t i = 0; i < labelled.size(); ++i) {
            axis.labels[labelOf[i]].agrees = fit.agrees[i];
            axis.labels[labelOf[i]].residual = fit.residuals[i];
        }
        axis.lineStart = WholePixel(line, line.vertical ? line.end : line.start);
        axis.lineEnd = WholePixel(line, line.vertical ? line.start : line.end);
        axis.at1 = axis.lineStart;
        axis.at2 = axis.lineEnd;
        axis.confidence = fit.confidence;
        if (!unreadable.empty()) {
            axis.reason = "the offset or multiplier text \"" + unreadable + "\" cannot be read";
        } else if (!fit.found) {
            axis.reason = labelled.empty() ? "no tick labels read" : fit.reason;
        } else if (fit.confidence < CAxesDetector::kMinConfidence) {
            axis.reason = "the tick labels disagree with the ticks";
        } else {
            axis.found = true;
            axis.logarithmic = fit.logarithmic;
            axis.value1 = fit.ValueAt(line.vertical ? axis.at1.y : axis.at1.x);
            axis.value2 = fit.ValueAt(line.vertical ? axis.at2.y : axis.at2.x);
            if (!std::isfinite(axis.value1) || !std::isfinite(axis.value2) || axis.value1 == axis.value2) {
                axis.found = false;
                axis.reason = "the scale gives no usable values at the axis's ends";
            }
        }
        watch.Lap(m_Times.fitSeconds);
        return axis;
    }

private:
    const CGreyPicture& m_Grey;
    const CPixelBufferView& m_Picture;
    CLabelReader& m_Reader;
    CAxesDetection& m_Times;
};

}  // namespace

CAxesDetection CAxesDetector::Detect(const CPixelBufferView& picture)
{
    CAxesDetection detection;
    CStopwatch watch;
    const CGreyPicture grey(picture);
    const std::vector<CPlotFrame> frames = CPlotFrameFinder::Find(grey);
    watch.Lap(detection.linesSeconds);
    if (!m_Reader.IsReady()) {
        detection.reason = "the OCR could not start (no English data for Tesseract)";
        return detection;
    }
    if (frames.empty()) {
        detection.reason = "no axis lines found";
        return detection;
    }
    CAxisWork work(grey, picture, m_Reader, detection);
    for (const CPlotFrame& frame : frames) {
        CDetectedPlot plot;
        plot.x = work.Detect(frame.bottom);
        plot.y = work.Detect(frame.left);
        plot.found = plot.x.found && plot.y.found;
        plot.confidence = std::min(plot.x.confidence, plot.y.confidence);
        if (!plot.found)
            plot.reason = !plot.x.found ? "X axis: " + plot.x.reason : "Y axis: " + plot.y.reason;
        detection.plots.push_back(plot);
    }
    if (detection.FoundCount() == 0)
        detection.reason = detection.plots.front().reason;
    return detection;
}
