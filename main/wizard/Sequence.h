#pragma once

#include <initializer_list>
#include <memory>
#include <vector>

#include <QPoint>
#include <QPointer>

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
// back in the event loop. What a sequence creates goes into the document (or the
// coordinate system) at once; Cancel takes it out again and puts back the copy of what
// was being modified, at the end of its list.
class CSequence {
public:
    static constexpr int kMaxSteps = 64;

    // pCoordSyst / pCurve: the objects to modify or to build on; null where the sequence
    // creates them. Clears every selection of the document and repaints the view.
    CSequence(CPlotvaneView& view, CPlotvaneDoc& doc, CCoordSyst* pCoordSyst, CCurve* pCurve);
    virtual ~CSequence();
    CSequence(const CSequence&) = delete;
    CSequence& operator=(const CSequence&) = delete;

    // Makes what is to be built and shows the first step; false when it cannot be made.
    virtual bool Start() = 0;
    // Undoes the construction and ends the sequence. pDialog: the step dialog cancelled, or
    // null from the curve kind step.
    virtual void Cancel(CConstructionDialog* pDialog) = 0;
    // Keeps what was built and ends the sequence.
    virtual void Finish() = 0;

    // Goes one step forward (+1) or back (-1): the dialog of the step reached opens, or the
    // sequence finishes at the end marker.
    void Move(int nDelta);

    QPoint GetDialogPos() const { return m_DialogPos; }
    // Where a step dialog of this size opens: where the last one was left, or, before any
    // was, beside the picture.
    QPoint DialogPosFor(QSize size);
    // A step dialog was left here (by "Next >>" or "<< Previous"): the next one opens here,
    // in this sequence and the later ones.
    void SetDialogPos(int x, int y);
    CPlotvaneView& GetView() const { return m_View; }
    CPlotvaneDoc& GetDocument() const { return m_Doc; }
    CCoordSyst* GetCoordSyst() const { return m_pCoordSyst; }
    CCurve* GetCurve() const { return m_pCurve; }
    STEP GetStep(int nIndex) const;
    STEP GetCurrentStep() const { return GetStep(m_nCurrentStep); }
    // The step dialog shown now; null during the curve kind step and once it is gone.
    CConstructionDialog* GetDialog() const;

protected:
    void SetSteps(std::initializer_list<STEP> steps);
    void SetStep(int nIndex, STEP step);
    // The curve kind step; only the sequence that builds a coordinate system and a curve
    // together has it.
    virtual void ChooseCurveKind() {}

    // ---- The common ending of the curve sequences.
    // Forgets the backup, numbers a new curve, proposes its export, selects the coordinate
    // system.
    virtual void FinishCurve();
    // Proposes to export the finished curve when it has unexported changes and the user
    // wants to be asked.
    void ProposeExport(CCurve& curve);
    // Ends the sequence: the view lets it go. Nothing of the sequence may be touched after.
    void End();
    // After a cancellation: the document is modified again exactly when it was before the
    // sequence began, since nothing of it changed.
    void RestoreModifiedFlag();

    QPoint m_DialogPos;
    bool m_bDialogPosKnown = false;
    std::unique_ptr<CCoordSyst> m_pCoordBackup;
    std::unique_ptr<CCurve> m_pCurveBackup;
    CCurve* m_pCurve;
    CCoordSyst* m_pCoordSyst;
    int m_nCurrentStep = 0;
    std::vector<STEP> m_Steps;
    CPlotvaneView& m_View;
    CPlotvaneDoc& m_Doc;
    QPointer<CConstructionDialog> m_pDialog;
    bool m_bNewCurve = false;
    // The document's modified flag when the sequence began.
    bool m_bDocWasModified = false;
};
