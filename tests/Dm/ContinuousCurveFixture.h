#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "Dm/BmpManager.h"
#include "Dm/ContinuousCurve.h"
#include "Dm/CoordSyst.h"
#include "Dm/Limit.h"
#include "Dm/SettingsManager.h"
#include "FakeDocumentLink.h"
#include "PackedDib.h"
#include "tests/doubles/RecordingMessageService.h"

// A white picture on which tests paint ink (grey levels, 0 black), handed to a bitmap
// manager as a 24-bit scan.
class CInkCanvas {
public:
    CInkCanvas(int nWidth, int nHeight)
        : m_nWidth(nWidth), m_nHeight(nHeight), m_Levels(size_t(nWidth) * nHeight, 255)
    {
    }

    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    void Set(int x, int y, uint8_t level = 0)
    {
        if (x >= 0 && y >= 0 && x < m_nWidth && y < m_nHeight)
            m_Levels[size_t(y) * m_nWidth + x] = level;
    }
    // Makes the pixel at least as dark as level.
    void Darken(int x, int y, uint8_t level)
    {
        if (x >= 0 && y >= 0 && x < m_nWidth && y < m_nHeight)
            m_Levels[size_t(y) * m_nWidth + x] = std::min(m_Levels[size_t(y) * m_nWidth + x], level);
    }
    // Rows y0 to y1 (both included) of columns x0 to x1.
    void Fill(int x0, int x1, int y0, int y1, uint8_t level = 0)
    {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                Set(x, y, level);
    }

    std::vector<uint8_t> ToDib() const
    {
        const size_t stride = (size_t(m_nWidth) * 3 + 3) & ~size_t(3);
        std::vector<uint8_t> bits(stride * m_nHeight, 0);
        for (int y = 0; y < m_nHeight; ++y) {
            uint8_t* row = &bits[stride * (m_nHeight - 1 - y)];  // bottom-up
            for (int x = 0; x < m_nWidth; ++x)
                row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = m_Levels[size_t(y) * m_nWidth + x];
        }
        return PackedDib(m_nWidth, m_nHeight, 24, {}, bits);
    }

private:
    int m_nWidth;
    int m_nHeight;
    std::vector<uint8_t> m_Levels;
};

// A document stand-in that also holds the working bitmap.
class CBitmapDocumentLink : public CFakeDocumentLink {
public:
    CBmpManager* GetBmpManager() const override { return m_pBmpManager.get(); }
    bool Load(const CInkCanvas& canvas)
    {
        const std::vector<uint8_t> dib = canvas.ToDib();
        return m_pBmpManager->SetFromScannedDib(dib.data(), dib.size());
    }

    std::unique_ptr<CBmpManager> m_pBmpManager = std::make_unique<CBmpManager>();
};

// A coordinate system whose graph X is the pixel x (reversed: 1000 - x) and whose graph Y is
// the pixel y.
inline void BuildPixelCoordSyst(CCoordSyst& cs, bool bReversedX = false)
{
    cs.GetXAxe().SetLine(CPoint(0, 1), CPoint(1000, 1));
    cs.GetYAxe().SetLine(CPoint(1, 0), CPoint(1, 1000));
    cs.ComputeOrigin();
    cs.GetXAxe().GetScalePoint1().SetPosition(CPoint(1, 1));
    cs.GetXAxe().GetScalePoint1().SetValue(bReversedX ? 999 : 1);
    cs.GetXAxe().GetScalePoint2().SetPosition(CPoint(1001, 1));
    cs.GetXAxe().GetScalePoint2().SetValue(bReversedX ? -1 : 1001);
    cs.GetYAxe().GetScalePoint1().SetPosition(CPoint(1, 1));
    cs.GetYAxe().GetScalePoint1().SetValue(1);
    cs.GetYAxe().GetScalePoint2().SetPosition(CPoint(1, 1001));
    cs.GetYAxe().GetScalePoint2().SetValue(1001);
}

// A document with a bitmap, a pixel coordinate system on it and a continuous curve (owned by
// the coordinate system) whose limits let every column of the bitmap through; messages are
// recorded.
class ContinuousCurveTest : public ::testing::Test {
protected:
    ContinuousCurveTest() : m_Messages(true), m_pCoordSyst(std::make_unique<CCoordSyst>(&m_Doc))
    {
        BuildPixelCoordSyst(*m_pCoordSyst);
    }
    // New curves read the process-wide settings; they are let go so that no later test
    // finds a manager it did not make.
    ~ContinuousCurveTest() override { ReleaseSettingsManager(); }

    // Loads the canvas and makes a new curve over it (limits at x = -1 and x = width).
    CContinuousCurve& MakeCurve(const CInkCanvas& canvas, bool bFollowTop = true)
    {
        EXPECT_TRUE(m_Doc.Load(canvas));
        auto* pCurve = m_pCoordSyst->AddCurve(std::make_unique<CContinuousCurve>(m_pCoordSyst.get()));
        pCurve->SetFollowTop(bFollowTop);
        pCurve->GetLeftLimit()->SetValue(-1);
        pCurve->GetRightLimit()->SetValue(canvas.Width());
        return *pCurve;
    }

    static std::vector<CPoint> Points(const CCurve& curve)
    {
        return std::vector<CPoint>(curve.GetPoints().begin(), curve.GetPoints().end());
    }

    CRecordingMessageService m_Messages;
    CBitmapDocumentLink m_Doc;
    std::unique_ptr<CCoordSyst> m_pCoordSyst;
};
