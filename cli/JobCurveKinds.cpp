#include "cli/JobCurveKinds.h"

#include "Dm/CurveKindTable.h"
#include "cli/ContinuousCurveBuilder.h"
#include "cli/DensityCurveBuilder.h"
#include "cli/DiscreteCurveBuilder.h"
#include "cli/SplineCurveBuilder.h"

namespace {

template <typename Builder>
std::unique_ptr<CJobCurveBuilder> MakeBuilder(CPlotvaneDoc& doc, CCoordSyst& coordSyst,
                                              CStderrMessageService& messages, CJobWorkBudget& budget)
{
    return std::make_unique<Builder>(doc, coordSyst, messages, budget);
}

}  // namespace

const std::vector<CJobCurveKind>& CJobCurveKinds::All()
{
    static const std::vector<CJobCurveKind> table = {
        {ECurveKind::Continuous, "continuous", &MakeBuilder<CContinuousCurveBuilder>},
        {ECurveKind::Discrete, "discrete", &MakeBuilder<CDiscreteCurveBuilder>},
        {ECurveKind::Spline, "spline", &MakeBuilder<CSplineCurveBuilder>},
        {ECurveKind::Density, "density", &MakeBuilder<CDensityCurveBuilder>},
    };
    return table;
}

const CJobCurveKind* CJobCurveKinds::Find(ECurveKind kind)
{
    return FindCurveKind(All(), kind);
}

std::vector<const char*> CJobCurveKinds::Keywords()
{
    std::vector<const char*> words;
    for (const CJobCurveKind& entry : All())
        words.push_back(entry.pszKeyword);
    return words;
}
