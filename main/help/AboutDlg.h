#pragma once

#include <memory>

#include <QDialog>

namespace Ui {
class CAboutDlg;
}

// The About box: the program's icon, "Plotvane Version 1.04.000", the build number and OK.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    // The dialog's template number, which names its help topic.
    static constexpr unsigned IDD = 100;

    static constexpr const char* kVersion = "1.04.000";
    static constexpr const char* kBuildNumber = "06";

    explicit CAboutDlg(QWidget* pParent = nullptr);
    ~CAboutDlg() override;

    // The version line as the dialog shows it.
    QString GetVersionText() const;

private:
    std::unique_ptr<Ui::CAboutDlg> m_pUi;
};
