#include "Dm/SettingsManager.h"

#include <memory>
#include <new>
#include <utility>

#include "Dm/ColorScale.h"
#include "Dm/ContinuousCurve.h"
#include "Dm/SmartThicknessCorrector.h"
#include "platform/MemorySettingsBackend.h"

namespace {

CSettingsBackend* g_pBackend = nullptr;
// Owned, but held by a plain pointer on purpose: ReleaseSettingsManager destroys it, which
// writes the values back. One never released is left alone at the end of the process, when
// the store it writes to may be gone already.
CSettingsManager* g_pManager = nullptr;
CSettingsBackend* g_pManagerBackend = nullptr;  // the store the manager was made with

CSettingsBackend& CurrentBackend()
{
    static CMemorySettingsBackend memoryBackend;
    return g_pBackend != nullptr ? *g_pBackend : memoryBackend;
}

}  // namespace

CSettingsManager::CSettingsManager(CSettingsBackend& backend)
    : m_Version(backend, "General", "Version", kVersion, ".*"),
      m_Language(backend, "General", "Language", 0, 0, 1),
      m_Algo(backend, "Curve", "Algo", 0, 0, 1),
      m_SmartAlgoRange(backend, "Curve", "SmartAlgoRange", CSmartThicknessCorrector::kDefaultRange,
                       CSmartThicknessCorrector::kMinRange, CSmartThicknessCorrector::kMaxRange),
      m_BlackLevel(backend, "Curve", "BlackLevel", 70, 70, 70),
      m_SideFollow(backend, "Curve", "SideFollow", 0, 0, 1),
      m_Dashed(backend, "Curve", "Dashed", 0, 0, 1),
      m_DashMaxDist(backend, "Curve", "DashMaxDist", CContinuousCurve::kDefaultDashMaxDist,
                    CContinuousCurve::kMinDefaultDashMaxDist, CContinuousCurve::kMaxDashMaxDist),
      m_StartingJob(backend, "Prompt", "StartingJob", 0, 0, 2),
      m_ExportPrompt(backend, "Prompt", "ExportPrompt", 1, 0, 1),
      m_Separator(backend, "Export", "Separator", 9, 0, 255),
      m_Extension(backend, "Export", "Extension", "xls", kExtensionPattern),
      m_TopColor(backend, "Density", "TopColor", 0, 0, 0),
      m_BottomColor(backend, "Density", "BottomColor", 255, 255, 255),
      m_TopValue(backend, "Density", "TopValue", 100.0),
      m_BottomValue(backend, "Density", "BottomValue", 0.0),
      m_AllValues{&m_Version,     &m_Language,     &m_Algo,      &m_SmartAlgoRange,
                  &m_BlackLevel,  &m_SideFollow,   &m_Dashed,    &m_DashMaxDist,
                  &m_StartingJob, &m_ExportPrompt, &m_Separator, &m_Extension,
                  &m_TopColor,    &m_BottomColor,  &m_TopValue,  &m_BottomValue}
{
    // Settings written by another version may mean something else; only the dash distance
    // is kept across versions.
    if (m_Version.Get() != kVersion) {
        for (CAbstractSettingValue* pValue : m_AllValues) {
            if (pValue != &m_DashMaxDist)
                pValue->Reset();
        }
    }
}

void CSettingsManager::SetBackend(CSettingsBackend* pBackend)
{
    g_pBackend = pBackend;
}

std::string CSettingsManager::GetResourceLibraryName() const
{
    return GetLanguage() == 1 ? "PlvResFr.dll" : "PlvResUs.dll";
}

CSettingsManager::CCurveOptions CSettingsManager::GetCurveOptions() const
{
    CCurveOptions options;
    options.m_nAlgo = m_Algo.Get();
    options.m_nSmartAlgoRange = m_SmartAlgoRange.Get();
    options.m_BlackLevel = m_BlackLevel.GetPixelWord();
    options.m_nSideFollow = m_SideFollow.Get();
    options.m_bDashed = m_Dashed.Get() != 0;
    options.m_nDashMaxDist = m_DashMaxDist.Get();
    return options;
}

std::unique_ptr<CColorScale> CSettingsManager::MakeColorScale() const
{
    // The stored colours are pixel words without alpha, the layout of the scale's colours.
    return std::make_unique<CColorScale>(m_TopColor.GetPixelWord(), m_BottomColor.GetPixelWord(),
                                         m_TopValue.Get(), m_BottomValue.Get());
}

void CSettingsManager::SetDensityDefaults(const CColorScale& scale)
{
    m_TopColor.SetPixelWord(scale.GetTopColor());
    m_BottomColor.SetPixelWord(scale.GetBottomColor());
    m_TopValue.Set(scale.GetTopValue());
    m_BottomValue.Set(scale.GetBottomValue());
}

CSettingsManager* GetSettingsManager()
{
    if (g_pManager == nullptr) {
        try {
            g_pManagerBackend = &CurrentBackend();
            g_pManager = std::make_unique<CSettingsManager>(*g_pManagerBackend).release();
        } catch (const std::bad_alloc&) {
            g_pManager = nullptr;
        }
    }
    return g_pManager;
}

void ReleaseSettingsManager()
{
    if (g_pManager == nullptr)
        return;
    std::unique_ptr<CSettingsManager>(std::exchange(g_pManager, nullptr)).reset();
    g_pManagerBackend->Flush();
    g_pManagerBackend = nullptr;
}
