#pragma once

#include <memory>

#include <QDialog>

namespace Ui {
class CExportPromptDlg;
}

// The question at the end of a curve's construction: "Do you want to save this curve
// now ?", answered "Yes" (export now) or "Later".
class CExportPromptDlg : public QDialog {
    Q_OBJECT
public:
    // The dialog's template number, which names its help topic.
    static constexpr unsigned IDD = 167;

    explicit CExportPromptDlg(QWidget* pParent = nullptr);
    ~CExportPromptDlg() override;

    // Asks; true for "Yes".
    static bool Ask(QWidget* pParent);

private:
    std::unique_ptr<Ui::CExportPromptDlg> m_pUi;
};
