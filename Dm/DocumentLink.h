#pragma once

#include "platform/Point.h"

class CBmpManager;

// What the model objects below the document ask of it: the numbering counters that give new
// coordinate systems and curves their numbers, the colour table that gives them their drawing
// colour, the recomputation of the document's modified flag when a curve's flag changes, and
// the bitmap manager that continuous curves trace their lines on.
// The document derives from it; tests give a small fake. Objects that have no document
// (made by an archive before being bound, or standalone in tools) work without one.
class CDocumentLink {
public:
    virtual ~CDocumentLink() = default;

    // The number the next new coordinate system takes, and its setting (after loading).
    virtual int CoordSystCounter() const = 0;
    virtual void SetCoordSystCounter(int nValue) = 0;
    // The number the next new curve takes, and its setting (after loading).
    virtual int CurveCounter() const = 0;
    virtual void SetCurveCounter(int nValue) = 0;
    // Drawing colour (0x00BBGGRR) of the object numbered nNumber.
    virtual COLORREF GetColor(int nNumber) const = 0;
    // Recomputes the document's modified flag from the flags of all curves.
    virtual void UpdateModifiedFlag() = 0;
    // The working bitmap that line following reads; null where there is none.
    virtual CBmpManager* GetBmpManager() const { return nullptr; }

protected:
    CDocumentLink() = default;
    CDocumentLink(const CDocumentLink&) = default;
    CDocumentLink& operator=(const CDocumentLink&) = default;
};
