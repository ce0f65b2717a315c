#pragma once

#include <cstddef>

class CJobValue;

// What the continuous curves of one job may make the program do, so that no job runs for
// minutes. Each genesis point re-traces every partial curve before it (as the dialog does on
// each click), so a curve's genesis points cost the square of their number; each pen or
// rubber step edits the curve's point list, which is as long as the picture is wide. Both
// are counted over the whole job; going beyond refuses the job (exit code 1) with a message
// that states the bound.
class CJobWorkBudget {
public:
    static constexpr size_t kMaxGenesisPerCurve = 1000;
    static constexpr size_t kMaxGenesisPerJob = 3000;
    // Stroke points times the picture's width, over the job: a few seconds of edits.
    static constexpr long long kMaxStrokeWork = 100000000;

    // Counts the genesis points of one curve (the array value).
    void SpendGenesis(const CJobValue& genesis, size_t nPoints);
    // Counts the points of one stroke (the array value) on a picture nWidth pixels wide.
    void SpendStroke(const CJobValue& stroke, size_t nPoints, int nWidth);

private:
    size_t m_nGenesis = 0;
    long long m_nStrokeWork = 0;
};
