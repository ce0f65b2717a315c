#pragma once

#include <memory>
#include <vector>

#include "Dm/CurveKind.h"
#include "main/wizard/Sequence.h"

// What the window needs of one curve kind: its "New curve" command, its place in the kind
// step of the wizard "New coordinates system and curve", and its own wizard with the dialog
// of each step.
struct CWindowCurveKind {
    // A step of the kind's wizard, the template number of its dialog (which names its help
    // topic) and the dialog (modeless, parented to and attached to the view; it deletes
    // itself when it closes).
    struct CStep {
        STEP step;
        unsigned nTemplate;
        CConstructionDialog* (*makeDialog)(STEP step, CPlotvaneView& view, CSequence& sequence);
    };

    ECurveKind kind;
    // The command: its id (main/frame/CommandIds.h; the string of that number in the platform
    // string table is its "status tip\ntooltip"), its menu text (context "CMainFrame") and its
    // icon (resources/icons/<name>.svg).
    unsigned nCommandId;
    const char* pszCommandText;
    const char* pszIcon;
    // The kind step: the object names of the kind's radio button and of the label of its
    // picture in CurveKindDialog.ui, and the picture.
    const char* pszRadio;
    const char* pszPictureLabel;
    const char* pszPicture;
    // The kind's wizard: its steps between the start and end markers; its sequence on
    // pCoordSyst (pCurve: the curve to modify, or null for a new one); a new curve of the
    // kind on a coordinate system, with the defaults of the settings, not yet added to it.
    std::vector<CStep> steps;
    std::unique_ptr<CSequence> (*makeSequence)(const CWindowCurveKind& kind, CPlotvaneView& view,
                                               CPlotvaneDoc& doc, CCoordSyst* pCoordSyst, CCurve* pCurve);
    std::unique_ptr<CCurve> (*makeCurve)(CCoordSyst& coordSyst);
};

// The window's table of curve kinds: the one place where the window binds a kind of the
// model to its command, its wizard and its dialogs. The order of the table is the order in
// which the window offers the kinds: the "New curve" menus, the toolbar and the radio
// buttons of the kind step (0, 1, 2, ...).
class CWindowCurveKinds {
public:
    static const std::vector<CWindowCurveKind>& All();
    // The entry of a kind; null for a kind that the table lacks.
    static const CWindowCurveKind* Find(ECurveKind kind);
    // The entry of a kind that the table has (the first entry otherwise).
    static const CWindowCurveKind& Of(ECurveKind kind);
    // The position of a kind in the table (its radio button in the kind step).
    static int IndexOf(ECurveKind kind);
    // The entry whose command has this id; null for another command.
    static const CWindowCurveKind* FindByCommand(unsigned nCommandId);
    // The curve step of this value in any kind's wizard; null for another step.
    static const CWindowCurveKind::CStep* FindStep(STEP step);
};
