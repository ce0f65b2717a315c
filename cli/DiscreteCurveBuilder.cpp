#include "cli/DiscreteCurveBuilder.h"

#include <optional>

#include "Dm/CoordSyst.h"
#include "Dm/DiscreteCurve.h"
#include "cli/JobValue.h"

void CDiscreteCurveBuilder::Build(const CJobValue& item)
{
    item.CheckObject({"kind", "name", "points", "sort"});
    auto* pCurve = new CDiscreteCurve(&m_CoordSyst);
    m_CoordSyst.AddCurve(pCurve);

    for (const CJobValue& point : item.Get("points").Elements(1)) {
        const CPoint p = PointOnPicture(point);
        pCurve->AppendPoint(p.x, p.y);
    }
    if (const std::optional<CJobValue> sort = item.Find("sort")) {
        if (sort->AsBool())
            pCurve->SortPointsByX();
    }
    ApplyName(*pCurve, item);
}
