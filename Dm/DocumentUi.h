#pragma once

#include <string>

// The dialogs the document's commands need, implemented by the shell (file dialogs, the
// save prompt, the export dialogs) and by fakes in tests. The document decides when to ask
// and what to do with the answer; the implementation only asks.
class CDocumentUi {
public:
    enum class SaveAnswer { Cancel, No, Yes };
    // What the user chose to save in the save prompt: the whole document file, or the curves
    // through the data export.
    enum class SaveChoice { Document, Curves };
    struct SavePromptResult {
        SaveAnswer answer = SaveAnswer::Cancel;
        SaveChoice choice = SaveChoice::Document;
    };

    virtual ~CDocumentUi() = default;

    // The file-open dialog of "&Open Graphic" (the file must exist), with strFilter in the
    // "label|patterns|...||" form. False when the user cancels; otherwise strPath is the
    // chosen file.
    virtual bool ChooseGraphicFile(const std::string& strFilter, std::string& strPath) = 0;
    // Asks which page of the PDF file strPath to open and at what resolution; nPage (from 1)
    // and nDpi come in with the defaults and go out with the choice. False when the user
    // cancels.
    virtual bool ChoosePdfPage(const std::string& strPath, int& nPage, int& nDpi) = 0;
    // The save prompt: strQuestion asks whether to save the changes of the named document.
    virtual SavePromptResult AskToSave(const std::string& strQuestion) = 0;
    // Saves the document as the framework's "Save" does: to its path name, or through the
    // save-as dialog when it has none (then CPlotvaneDoc::OnSaveDocument writes the file).
    // False when the user cancels or the file cannot be written.
    virtual bool DoFileSave() = 0;
    // The "&Data export" command with its dialogs. False when the user cancels or the export
    // fails.
    virtual bool RunExport() = 0;

protected:
    CDocumentUi() = default;
    CDocumentUi(const CDocumentUi&) = default;
    CDocumentUi& operator=(const CDocumentUi&) = default;
};
