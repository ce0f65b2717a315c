#pragma once

#include <memory>

#include <QDialog>

namespace Ui {
class CSeparatorDialog;
}

// "Separator": the column separator of one export, chosen among Tab, Semicolon, Comma,
// Space and any other character. OK with "Other :" and an empty field is refused.
class CSeparatorDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 131;

    CSeparatorDialog(char cSeparator, QWidget* pParent = nullptr);
    ~CSeparatorDialog() override;

    // The confirmed separator (the opening one until OK).
    char GetSeparator() const { return m_cSeparator; }
    void accept() override;

private:
    char m_cSeparator;
    std::unique_ptr<Ui::CSeparatorDialog> m_pUi;
};
