#include "detect/AxisFit.h"

#include <algorithm>
#include <cmath>

namespace {

struct CPair {
    double at;
    double value;
    size_t index;
};

struct CLine {
    double intercept = 0.0;
    double slope = 0.0;

    // Where the scale puts a value, in pixels.
    double Place(double value) const { return (value - intercept) / slope; }
};

// The labels' values on the axis (logarithms on a logarithmic one); labels that cannot be on
// it are left out. A multiplier or offset text is no tick's label.
std::vector<CPair> Values(const std::vector<CAxisFit::CLabelledTick>& ticks, bool logarithmic, double factor,
                          double offset)
{
    std::vector<CPair> pairs;
    for (size_t i = 0; i < ticks.size(); ++i) {
        const CLabelValue& label = ticks[i].label;
        if (label.form == CLabelValue::Form::Multiplier || label.form == CLabelValue::Form::Offset)
            continue;
        double v = label.value;
        if (label.form == CLabelValue::Form::Plain)
            v = v * factor + offset;
        if (logarithmic) {
            if (!(v > 0))
                continue;
            v = std::log10(v);
        }
        if (std::isfinite(v))
            pairs.push_back({ticks[i].at, v, i});
    }
    return pairs;
}

bool LeastSquares(const std::vector<CPair>& pairs, const std::vector<bool>& use, CLine& line)
{
    double s = 0, sa = 0, sv = 0, saa = 0, sav = 0;
    for (size_t i = 0; i < pairs.size(); ++i) {
        if (!use[i])
            continue;
        s += 1;
        sa += pairs[i].at;
        sv += pairs[i].value;
        saa += pairs[i].at * pairs[i].at;
        sav += pairs[i].at * pairs[i].value;
    }
    const double det = s * saa - sa * sa;
    if (s < 2 || std::abs(det) < 1e-12)
        return false;
    line.slope = (s * sav - sa * sv) / det;
    line.intercept = (sv - line.slope * sa) / s;
    return line.slope != 0.0 && std::isfinite(line.slope);
}

struct CConsensus {
    CLine line;
    std::vector<bool> agrees;
    size_t count = 0;
    double spread = 0.0;  // the sum of the agreeing ticks' distances
};

CConsensus Agreement(const std::vector<CPair>& pairs, const CLine& line)
{
    CConsensus c;
    c.line = line;
    c.agrees.assign(pairs.size(), false);
    for (size_t i = 0; i < pairs.size(); ++i) {
        const double d = std::abs(line.Place(pairs[i].value) - pairs[i].at);
        if (d <= CAxisFit::kTolerance) {
            c.agrees[i] = true;
            ++c.count;
            c.spread += d;
        }
    }
    return c;
}

CConsensus BestConsensus(const std::vector<CPair>& pairs)
{
    CConsensus best;
    for (size_t i = 0; i < pairs.size(); ++i) {
        for (size_t j = i + 1; j < pairs.size(); ++j) {
            const double da = pairs[j].at - pairs[i].at;
            const double dv = pairs[j].value - pairs[i].value;
            // Two ticks at one place, or two labels of one value, propose nothing.
            if (std::abs(da) < 2 * CAxisFit::kTolerance || dv == 0)
                continue;
            CLine line;
            line.slope = dv / da;
            line.intercept = pairs[i].value - line.slope * pairs[i].at;
            const CConsensus c = Agreement(pairs, line);
            if (c.count > best.count || (c.count == best.count && c.spread < best.spread))
                best = c;
        }
    }
    if (best.count >= 2) {
        CLine refined;
        if (LeastSquares(pairs, best.agrees, refined)) {
            CConsensus c = Agreement(pairs, refined);
            if (c.count >= best.count)
                best = c;
        }
    }
    return best;
}

}  // namespace

double CAxisFit::CResult::ValueAt(double at) const
{
    const double v = intercept + slope * at;
    return logarithmic ? std::pow(10.0, v) : v;
}

CAxisFit::CResult CAxisFit::Fit(const std::vector<CLabelledTick>& ticks, double dFactor, double dOffset)
{
    CResult result;
    const std::vector<CPair> linearPairs = Values(ticks, false, dFactor, dOffset);
    const std::vector<CPair> logPairs = Values(ticks, true, dFactor, dOffset);
    const CConsensus linear = BestConsensus(linearPairs);
    const CConsensus logarithmic = BestConsensus(logPairs);
    // Decades written as powers say the axis is logarithmic when the two scales do equally
    // well (three labels 1, 10, 100 fit neither worse); otherwise the larger consensus wins.
    const auto powers =
        static_cast<size_t>(std::count_if(ticks.begin(), ticks.end(), [](const CLabelledTick& t) {
            return t.label.form == CLabelValue::Form::Power || t.label.form == CLabelValue::Form::Scientific;
        }));
    const bool useLog =
        logarithmic.count > linear.count ||
        (logarithmic.count == linear.count && 2 * powers > ticks.size() && logarithmic.count > 0);
    const CConsensus& best = useLog ? logarithmic : linear;
    const std::vector<CPair>& pairs = useLog ? logPairs : linearPairs;
    const size_t labels = linearPairs.size();

    result.agrees.assign(ticks.size(), false);
    result.residuals.assign(ticks.size(), std::nan(""));
    if (best.count < kMinAgreeing) {
        result.reason =
            labels < kMinAgreeing ? "too few tick labels read" : "the tick labels disagree with the ticks";
        return result;
    }
    // Most labels must agree: a scale that few of them share is a coincidence.
    if (2 * best.count < labels + 1) {
        result.reason = "the tick labels disagree with the ticks";
        return result;
    }
    result.found = true;
    result.logarithmic = useLog;
    result.intercept = best.line.intercept;
    result.slope = best.line.slope;
    double spread = 0;
    for (size_t i = 0; i < pairs.size(); ++i) {
        const double d = best.line.Place(pairs[i].value) - pairs[i].at;
        result.agrees[pairs[i].index] = best.agrees[i];
        result.residuals[pairs[i].index] = d;
        if (best.agrees[i])
            spread += d * d;
    }
    const double rms = std::sqrt(spread / static_cast<double>(best.count));
    const double share = static_cast<double>(best.count) / static_cast<double>(std::max<size_t>(labels, 1));
    const double many = std::min(1.0, static_cast<double>(best.count) / 5.0);
    result.confidence = share * many * std::max(0.0, 1.0 - rms / kTolerance);
    return result;
}
