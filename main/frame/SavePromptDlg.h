#pragma once

#include <memory>

#include <QDialog>

#include "Dm/DocumentUi.h"

namespace Ui {
class CSavePromptDlg;
}

// The question asked before a document with changes is closed: whether to save them, and
// how — "Export curves data" or "Save document" (chosen at first) — with Yes (the default
// button), No and Cancel.
class CSavePromptDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 133;

    CSavePromptDlg(const QString& strQuestion, QWidget* pParent = nullptr);
    ~CSavePromptDlg() override;

    // Shows the dialog and returns the answer with the choice.
    CDocumentUi::SavePromptResult Ask();
    CDocumentUi::SaveChoice GetChoice() const;
    void SetChoice(CDocumentUi::SaveChoice choice);

private:
    std::unique_ptr<Ui::CSavePromptDlg> m_pUi;
    CDocumentUi::SaveAnswer m_Answer = CDocumentUi::SaveAnswer::Cancel;
};
