#include "TestCurve.h"

#include "TestResults.h"
#include "platform/DrawContext.h"

IMPLEMENT_SERIAL(CTestCurve, CCurve, 1)

CResults* CTestCurve::GetResults()
{
    if (PeekResults() == nullptr)
        SetResults(std::make_unique<CTestResults>());
    return PeekResults();
}

bool CTestCurve::HitTest(int x, int y)
{
    for (const CPoint& p : m_CurvePoints) {
        if (p == CPoint(x, y))
            return true;
    }
    return false;
}

void CTestCurve::Draw(CDrawContext& dc)
{
    bool bFirst = true;
    for (const CPoint& p : m_CurvePoints) {
        if (bFirst)
            dc.MoveTo(p);
        else
            dc.LineTo(p);
        bFirst = false;
    }
}
