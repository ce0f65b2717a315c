#pragma once

#include <QDialog>
#include <QString>

#include "main/view/GraphMouseReceiver.h"

class CCurve;
class CPlotvaneView;
class CSequence;
class QAbstractButton;
class QPushButton;

// The base of every step dialog of a construction wizard: a modeless dialog beside the
// graph view that receives the view's mouse while it is open, with the buttons
// "<< Previous", "Next >>" (or "Finish" on the last step), "Cancel" and "Help".
//
// "Next >>" checks the data (Validate), stores them (Commit), remembers where the dialog
// stands for the next step and moves the sequence on; "<< Previous" stores without checking
// and moves back; "Cancel", Escape and the close box cancel the whole sequence. The dialog
// deletes itself once one of them is pressed. It opens where the sequence says.
class CConstructionDialog : public QDialog, public CGraphMouseReceiver {
    Q_OBJECT
public:
    // Parented to the view and attached to it at once.
    CConstructionDialog(unsigned nTemplateId, CPlotvaneView& view, CSequence& sequence);
    ~CConstructionDialog() override;

    // Checks the data before going on; shows its own messages. True by default.
    virtual bool Validate();
    // Whether "Next >>" / "Finish" may be pressed now. True by default.
    virtual bool CanGoNext() const;
    // Stores the dialog's data into the object under construction.
    virtual void Commit();

    // Enables "Next >>" / "Finish" exactly when CanGoNext().
    void UpdateNextButton();
    // On the first step "<< Previous" is removed.
    void SetFirstStep(bool bFirst);
    // On the last step "Next >>" reads "Finish".
    void SetLastStep(bool bLast);

    int GetCursorKind() const override { return m_nCursorKind; }
    // Also has the view show the new cursor.
    void SetCursorKind(int nKind);

    // When another curve of the document (pCurve excepted) has exactly this name, asks
    // whether to keep it; false only when the user says No.
    bool CheckCurveName(const CCurve* pCurve, const QString& strName) const;

    // Routes the view's mouse messages to the handlers below.
    void OnGraphMessage(GraphMessage message, unsigned nFlags, CPoint point) override;

    unsigned GetTemplateId() const { return m_nTemplateId; }
    CPlotvaneView& GetView() const { return m_View; }
    CSequence& GetSequence() const { return m_Sequence; }
    QPushButton* GetNextButton() const { return m_pNext; }
    QPushButton* GetPreviousButton() const { return m_pPrevious; }

    // The buttons' actions.
    void OnNext();
    void OnPrevious();
    // Cancel, Escape and the close box; nothing while the dialog is disabled.
    void reject() override;

protected:
    // The step was left (Next, Previous, Finish or Cancel): what it showed may be gone.
    bool IsEnded() const { return m_bEnded; }

    // Opens where the sequence says, with the size its form needs.
    void showEvent(QShowEvent* pEvent) override;

    // Binds the wizard buttons of the dialog's form; any may be null.
    void BindWizardButtons(QPushButton* pNext, QPushButton* pPrevious, QPushButton* pCancel,
                           QPushButton* pHelp);

    virtual void OnGraphButtonDown(unsigned /*nFlags*/, CPoint /*point*/) {}
    virtual void OnGraphDrag(unsigned /*nFlags*/, CPoint /*point*/) {}
    virtual void OnGraphButtonUp(unsigned /*nFlags*/, CPoint /*point*/) {}
    virtual void OnGraphScrollDrag(unsigned /*nFlags*/, CPoint /*point*/) {}
    virtual void OnGraphScrollStop(unsigned /*nFlags*/, CPoint /*point*/) {}

private:
    void StorePosition();
    // Stores the data (not checked), then moves the sequence by nDelta and goes.
    void Leave(int nDelta);

    unsigned m_nTemplateId;
    bool m_bPlaced = false;  // put at the sequence's position on first showing
    CPlotvaneView& m_View;
    CSequence& m_Sequence;
    int m_nCursorKind = 0;
    // A button was pressed: the dialog is on its way out.
    bool m_bEnded = false;
    QPushButton* m_pNext = nullptr;
    QPushButton* m_pPrevious = nullptr;
};
