#include "cli/JobWorkBudget.h"

#include <algorithm>
#include <string>

#include "cli/CliText.h"
#include "cli/JobValue.h"
#include "platform/StringIds.h"

void CJobWorkBudget::SpendGenesis(const CJobValue& genesis, size_t nPoints)
{
    m_nGenesis += nPoints;
    if (nPoints > kMaxGenesisPerCurve || m_nGenesis > kMaxGenesisPerJob) {
        genesis.Refuse(CCliText::Format(IDS_CLI_TOO_MANY_GENESIS, {std::to_string(kMaxGenesisPerCurve),
                                                                   std::to_string(kMaxGenesisPerJob)}));
    }
}

void CJobWorkBudget::SpendStroke(const CJobValue& stroke, size_t nPoints, int nWidth)
{
    const long long nColumns = std::max(nWidth, 1);
    m_nStrokeWork += static_cast<long long>(std::min<size_t>(nPoints, kMaxStrokeWork)) * nColumns;
    if (m_nStrokeWork > kMaxStrokeWork) {
        stroke.Refuse(CCliText::Format(
            IDS_CLI_EDITS_TOO_COSTLY, {std::to_string(nColumns), std::to_string(kMaxStrokeWork / nColumns)}));
    }
}
