#pragma once

#include <vector>

#include <QPoint>

class CConstructionDialog;
class CCoordSyst;
class CCurve;
class CPlotvaneDoc;
class CPlotvaneView;

// The steps of a construction, numbered as the program has always numbered them.
enum STEP : int {
    STEP_NONE = 0,
    STEP_X_AXIS = 2,
    STEP_Y_AXIS = 3,
    STEP_CURVE_KIND = 8,
    STEP_LIMITS = 9,
    STEP_GENESIS = 10,
    STEP_HAND_MODIFICATION = 11,
    STEP_DISCRETE_POINTS = 12,
    STEP_DENSITOMETRY = 13,
    STEP_SPLINE = 14,
    STEP_END = 15,
};

// A construction wizard: the chain of step dialogs that builds or modifies a coordinate
// system or a curve. The view owns the running sequence; the sequence ends itself on
// Finish or Cancel by telling the view (EndSequence), which destroys it once control is
// back in the event loop.
class CSequence {
public:
    // pCoordSyst / pCurve: the objects to modify or to build on; null where the sequence
    // creates them. Clears every selection of the document and repaints the view.
    CSequence(CPlotvaneView& view, CPlotvaneDoc& doc, CCoordSyst* pCoordSyst, CCurve* pCurve);
    virtual ~CSequence();
    CSequence(const CSequence&) = delete;
    CSequence& operator=(const CSequence&) = delete;

    // Makes what is to be built and shows the first step; false when it cannot be made.
    virtual bool Start() = 0;
    virtual void Cancel(CConstructionDialog* pDialog) = 0;
    virtual void Finish() = 0;

    // Goes one step forward (+1) or back (-1).
    void Move(int nDelta);

    QPoint GetDialogPos() const { return m_DialogPos; }
    void SetDialogPos(int x, int y) { m_DialogPos = QPoint(x, y); }
    CPlotvaneView& GetView() const { return m_View; }
    CPlotvaneDoc& GetDocument() const { return m_Doc; }
    CCoordSyst* GetCoordSyst() const { return m_pCoordSyst; }
    CCurve* GetCurve() const { return m_pCurve; }

protected:
    QPoint m_DialogPos;
    CCurve* m_pCurve;
    CCoordSyst* m_pCoordSyst;
    int m_nCurrentStep = 0;
    std::vector<STEP> m_Steps;
    CPlotvaneView& m_View;
    CPlotvaneDoc& m_Doc;
    CConstructionDialog* m_pDialog = nullptr;
    bool m_bNewCurve = false;
};
