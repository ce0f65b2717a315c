#pragma once

#include <memory>

#include "main/options/OptionsPage.h"

namespace Ui {
class CPromptProPage;
}

// The options page "Prompt": what the program proposes when it starts (opening a
// graphic, importing one from the scanner, or nothing) and whether it offers the data
// export after each curve is identified or modified.
class CPromptProPage : public COptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 142;

    CPromptProPage(CSettingsManager& settings, QWidget* pParent = nullptr);
    ~CPromptProPage() override;

    void Apply(CSettingsManager& settings) const override;

    // 0 open a graphic, 1 import from the scanner, 2 nothing.
    int GetStartingJob() const;
    bool GetExportPrompt() const;

private:
    std::unique_ptr<Ui::CPromptProPage> m_pUi;
};
