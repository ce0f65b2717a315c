#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "Dm/DoubleSettingValue.h"
#include "Dm/IntSettingValue.h"
#include "Dm/PixelSettingValue.h"
#include "Dm/StringSettingValue.h"

class CColorScale;
class CSettingsBackend;

// The user's persistent defaults: sixteen typed values, each bound to a section and key of
// the per-user settings store, created in this order:
//
//   General  Version (text, "V120", any), Language (0 English, 1 French)
//   Curve    Algo (0 smart, 1 flat), SmartAlgoRange (1 ... 32, 2),
//            BlackLevel (colour, 70,70,70), SideFollow (0 top, 1 bottom), Dashed (0/1),
//            DashMaxDist (pixels, 1 ... 1000, 20)
//   Prompt   StartingJob (0 open a graphic, 1 scanner, 2 nothing), ExportPrompt (0/1, 1)
//   Export   Separator (character code 0 ... 255, 9), Extension (1 to 3 letters or
//            digits, "xls")
//   Density  TopColor (0,0,0), BottomColor (255,255,255), TopValue (100), BottomValue (0)
//
// Stored settings of another version than "V120" are all reset to their defaults, except
// DashMaxDist. Values change in memory only; every value is written back to the store
// when the manager is destroyed.
//
// One manager exists per process (GetSettingsManager / ReleaseSettingsManager); its store
// is the one installed with SetBackend before the first use, an in-memory store otherwise.
// The manager does not own the store.
class CSettingsManager {
public:
    static constexpr const char* kVersion = "V120";
    // The default extension of export files: 1 to kMaxExtensionLength letters or digits, as
    // the store and the options page take it.
    static constexpr int kMaxExtensionLength = 3;
    static constexpr const char* kExtensionPattern = "^[a-zA-Z0-9][a-zA-Z0-9]?[a-zA-Z0-9]?$";

    // Defaults for continuous curves, in the order the curve construction takes them.
    struct CCurveOptions {
        int m_nAlgo;            // thickness compensation: 0 smart, 1 flat
        int m_nSmartAlgoRange;  // range of the smart compensation
        uint32_t m_BlackLevel;  // threshold colour, pixel word 0x00RRGGBB
        int m_nSideFollow;      // 0 follow the top of the line, 1 the bottom
        bool m_bDashed;         // the lines are dashed
        int m_nDashMaxDist;     // largest gap between dashes, pixels
    };

    // Loads every value from the store and applies the version reset.
    explicit CSettingsManager(CSettingsBackend& backend);
    // Every value writes itself back.
    ~CSettingsManager() = default;
    CSettingsManager(const CSettingsManager&) = delete;
    CSettingsManager& operator=(const CSettingsManager&) = delete;

    // The store of the process-wide manager; null restores the in-memory default. Takes
    // effect at the next creation of the manager; the store must outlive the manager.
    static void SetBackend(CSettingsBackend* pBackend);

    int GetLanguage() const { return m_Language.Get(); }
    // The language resource library: "PlvResFr.dll" for French, "PlvResUs.dll" otherwise.
    std::string GetResourceLibraryName() const;
    CCurveOptions GetCurveOptions() const;
    int GetStartingJob() const { return m_StartingJob.Get(); }
    bool GetExportPrompt() const { return m_ExportPrompt.Get() != 0; }
    char GetSeparator() const { return static_cast<char>(static_cast<unsigned char>(m_Separator.Get())); }
    const std::string& GetExtension() const { return m_Extension.Get(); }
    // A new colour scale with the density defaults (TopColor, BottomColor, TopValue,
    // BottomValue), for a new densitometry curve.
    std::unique_ptr<CColorScale> MakeColorScale() const;
    // Makes the scale's colours and values the new density defaults ("Use as default").
    void SetDensityDefaults(const CColorScale& scale);

    // The values themselves, for the options pages.
    CStringSettingValue& GetVersionValue() { return m_Version; }
    CIntSettingValue& GetLanguageValue() { return m_Language; }
    CIntSettingValue& GetAlgoValue() { return m_Algo; }
    CIntSettingValue& GetSmartAlgoRangeValue() { return m_SmartAlgoRange; }
    CPixelSettingValue& GetBlackLevelValue() { return m_BlackLevel; }
    CIntSettingValue& GetSideFollowValue() { return m_SideFollow; }
    CIntSettingValue& GetDashedValue() { return m_Dashed; }
    CIntSettingValue& GetDashMaxDistValue() { return m_DashMaxDist; }
    CIntSettingValue& GetStartingJobValue() { return m_StartingJob; }
    CIntSettingValue& GetExportPromptValue() { return m_ExportPrompt; }
    CIntSettingValue& GetSeparatorValue() { return m_Separator; }
    CStringSettingValue& GetExtensionValue() { return m_Extension; }
    CPixelSettingValue& GetTopColorValue() { return m_TopColor; }
    CPixelSettingValue& GetBottomColorValue() { return m_BottomColor; }
    CDoubleSettingValue& GetTopValueValue() { return m_TopValue; }
    CDoubleSettingValue& GetBottomValueValue() { return m_BottomValue; }

    // All sixteen values in creation order.
    const std::array<CAbstractSettingValue*, 16>& GetAllValues() const { return m_AllValues; }

private:
    // Declared in creation order: members are built in declaration order.
    CStringSettingValue m_Version;
    CIntSettingValue m_Language;
    CIntSettingValue m_Algo;
    CIntSettingValue m_SmartAlgoRange;
    CPixelSettingValue m_BlackLevel;
    CIntSettingValue m_SideFollow;
    CIntSettingValue m_Dashed;
    CIntSettingValue m_DashMaxDist;
    CIntSettingValue m_StartingJob;
    CIntSettingValue m_ExportPrompt;
    CIntSettingValue m_Separator;
    CStringSettingValue m_Extension;
    CPixelSettingValue m_TopColor;
    CPixelSettingValue m_BottomColor;
    CDoubleSettingValue m_TopValue;
    CDoubleSettingValue m_BottomValue;
    std::array<CAbstractSettingValue*, 16> m_AllValues;
};

// The process-wide manager, created on the first call; null only when memory runs out
// (callers then use their built-in defaults).
CSettingsManager* GetSettingsManager();
// Destroys the process-wide manager, which writes every value, then flushes the store.
void ReleaseSettingsManager();
