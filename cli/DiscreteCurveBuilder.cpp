#include "cli/DiscreteCurveBuilder.h"

#include <memory>
#include <optional>

#include "Dm/CoordSyst.h"
#include "Dm/DiscreteCurve.h"
#include "cli/JobValue.h"

void CDiscreteCurveBuilder::Build(const CJobValue& item)
{
    item.CheckObject({"kind", "name", "points", "sort"});
    CDiscreteCurve* pCurve = m_CoordSyst.AddCurve(std::make_unique<CDiscreteCurve>(&m_CoordSyst));

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
