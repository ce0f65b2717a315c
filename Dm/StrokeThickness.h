#pragma once

#include <vector>

#include "platform/Point.h"

class CInkCoverage;

// The thickness of a curve's stroke as the picture shows it, and whether the picture is
// drawn without anti-aliasing: the first step of the sub-pixel refinement, which sizes the
// cuts of the others from it.
//
// In every sampled column the weight of the run through the point (its pixels' coverages,
// taken as far as the run goes within a generous bound) times the cosine of the slope there
// is the thickness across the stroke; the thickness is their median, which passes over the
// few columns that something else touches. With too few samples the thickness the curve's
// corrector gives serves. Keeps its samples between calls.
class CStrokeThickness {
public:
    // Measures the stroke through points, whose steepness |dy/dx| slopes gives; nThickness is
    // the corrector's thickness.
    void Estimate(const CInkCoverage& coverage, const std::vector<CPoint>& points,
                  const std::vector<double>& slopes, int nThickness);

    double GetThickness() const { return m_dThickness; }
    // True when hardly any pixel of the stroke lies between ink and background.
    bool IsQuantised() const { return m_bQuantised; }

private:
    double m_dThickness = 0.0;
    bool m_bQuantised = false;
    // The thickness of each sampled column.
    std::vector<double> m_Samples;
};
