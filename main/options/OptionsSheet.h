#pragma once

#include <memory>
#include <vector>

#include <QDialog>

namespace Ui {
class COptionsSheet;
}
class CSettingsManager;
class COptionsPage;

// The modal sheet "Options" of five pages — Language, Curve, Densitometry, Prompt and
// Export — made from the settings' current values. A page whose values are refused keeps
// the user on it, whether another tab or OK was pressed; Help shows the topic of the page
// on top. Nothing reaches the settings before Apply, which the caller makes after OK.
class COptionsSheet : public QDialog {
    Q_OBJECT
public:
    COptionsSheet(CSettingsManager& settings, QWidget* pParent = nullptr);
    ~COptionsSheet() override;

    // The options command: the sheet, then the settings set from it when confirmed.
    static void Run(CSettingsManager& settings, QWidget* pParent);

    // Every page sets its settings.
    void Apply(CSettingsManager& settings) const;

    int GetPageCount() const { return static_cast<int>(m_Pages.size()); }
    COptionsPage* GetPage(int nIndex) const { return m_Pages[static_cast<size_t>(nIndex)]; }
    COptionsPage* GetActivePage() const;
    // Shows page nIndex, as a click on its tab does; false when the page on top refused to
    // be left.
    bool SetActivePage(int nIndex);

    // Closes with OK once every page's values pass, the page on top first.
    void accept() override;

private:
    // Puts page nIndex on top without checking the page it covers.
    void ShowPage(int nIndex);
    void OnTabChanged(int nIndex);

    int m_nActive = 0;
    std::vector<COptionsPage*> m_Pages;
    std::unique_ptr<Ui::COptionsSheet> m_pUi;
};
