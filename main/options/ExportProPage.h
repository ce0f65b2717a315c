#pragma once

#include <memory>

#include "main/options/OptionsPage.h"

namespace Ui {
class CExportProPage;
}
class CSeparatorChooser;
class QLineEdit;

// The options page "Export": the column separator that exports propose, and the default
// extension of export files (one to three letters or digits).
class CExportProPage : public COptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 143;

    CExportProPage(CSettingsManager& settings, QWidget* pParent = nullptr);
    ~CExportProPage() override;

    // A separator chosen (Other needs its character), then an extension of letters and
    // digits only.
    bool OnKillActive() override;
    void Apply(CSettingsManager& settings) const override;

    CSeparatorChooser& GetSeparatorChooser() const;
    QLineEdit& GetExtensionEdit() const;

private:
    std::unique_ptr<Ui::CExportProPage> m_pUi;
};
