#pragma once

#include <memory>

#include "main/options/OptionsPage.h"

namespace Ui {
class CLanguageProPage;
}

// The options page "Language": English or French for the menus, dialogs, messages and
// help, taken at the next start of the program.
class CLanguageProPage : public COptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 137;

    CLanguageProPage(CSettingsManager& settings, QWidget* pParent = nullptr);
    ~CLanguageProPage() override;

    void Apply(CSettingsManager& settings) const override;

    // 0 English, 1 French.
    int GetLanguage() const;
    void SetLanguage(int nLanguage);

private:
    std::unique_ptr<Ui::CLanguageProPage> m_pUi;
};
