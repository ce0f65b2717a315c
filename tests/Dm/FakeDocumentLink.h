#pragma once

#include "Dm/DocumentLink.h"

// A document stand-in: the two counters, the ten-colour table and a count of the calls
// that recompute the modified flag.
class CFakeDocumentLink : public CDocumentLink {
public:
    int CoordSystCounter() const override { return m_nCoordSystCounter; }
    void SetCoordSystCounter(int nValue) override { m_nCoordSystCounter = nValue; }
    int CurveCounter() const override { return m_nCurveCounter; }
    void SetCurveCounter(int nValue) override { m_nCurveCounter = nValue; }
    COLORREF GetColor(int nNumber) const override
    {
        static const COLORREF colors[10] = {0xAA6496, 0x0000FF, 0x00FF00, 0xFF0000, 0x800080,
                                            0x808000, 0x008080, 0x3278C8, 0x327832, 0x96AA64};
        return colors[((nNumber % 10) + 10) % 10];
    }
    void UpdateModifiedFlag() override { ++m_nModifiedUpdates; }

    int m_nCoordSystCounter = 1;
    int m_nCurveCounter = 1;
    int m_nModifiedUpdates = 0;
};
