#pragma once

#include <memory>

#include <QDialog>

namespace Ui {
class CPreviewDialog;
}

// "Preview": the first lines of an export, laid out in columns, in a read-only field with a
// fixed-width font.
class CPreviewDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 132;

    CPreviewDialog(const QString& strText, QWidget* pParent = nullptr);
    ~CPreviewDialog() override;

    QString GetText() const;

private:
    std::unique_ptr<Ui::CPreviewDialog> m_pUi;
};
