#pragma once

#include <functional>

#include <QTimer>
#include <QUrl>
#include <QWidget>

#include "Dm/PlotvaneDoc.h"
#include "main/view/PlotvaneView.h"
#include "platform/Point.h"
#include "tests/doubles/RecordingMessageService.h"

class CAxeDialog;
class CConstructionDialog;
class CCoordSyst;
class QImage;

// A complete upright coordinate system added to doc: X 0 … 10 over pixels 100 … 300, Y 0 …
// 100 over pixels 250 … 50.
CCoordSyst* AddUprightCoordSyst(CPlotvaneDoc& doc);

// A document and its graph view, shown offscreen, with message boxes recorded (and
// answered from a queue): what the construction wizards run on.
class CWizardBench {
public:
    CWizardBench();
    ~CWizardBench();

    // The step dialog attached to the view now, or null.
    CConstructionDialog* Dialog() const;
    CAxeDialog* AxeDialog() const;
    // Lets queued events run, deferred deletions included.
    static void Settle();
    // Draws the axis line of the open axis dialog from one pixel to another, then places
    // and values both scale points (the values typed as the user types them).
    void DefineAxis(CPoint from, CPoint to, CPoint pick1, const char* pszValue1, CPoint pick2,
                    const char* pszValue2) const;
    // Makes picture the document's bitmap, without starting the construction a new
    // picture starts.
    void SetPicture(const QImage& picture);
    // Sends the attached dialog a mouse message.
    void Send(GraphMessage message, CPoint point, unsigned nFlags = 0) const;

    CPlotvaneDoc m_Doc;
    CPlotvaneView m_View;
    CRecordingMessageService m_Messages;
};

// Presses "Finish" on the last step of a curve's wizard and answers the export proposal that
// comes for a changed curve with "Later"; a failure when no proposal comes.
void FinishWithoutExport(CConstructionDialog& dialog);

// Makes window the active window, presses F1 on its focused control (on the window without
// one) and returns the page that a help window shows then; empty when none shows one.
QUrl TopicShownByF1(QWidget& window);

// Runs action on the next modal dialog once it is open (looked for every 10 ms, for 5 s at
// most; a failure when bExpected and none came). The looking stops when the returned timer
// is deleted.
QTimer* WhenModal(std::function<void(QWidget*)> action, bool bExpected = true);
