#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "Dm/DocumentUi.h"

class CPlotvaneDoc;

// The file dialogs and questions of the document's commands, modal to the main window:
// the graphic file dialog of "&Open Graphic", the save prompt, the data export, saving to the document's
// path or through the save dialog, and the application's "Open Document..." and
// "Save Document..." flows. Failures are told in message boxes with the string table's
// texts.
class CQtDocumentUi : public CDocumentUi {
public:
    // Neither is owned; the document must outlive this object.
    CQtDocumentUi(CPlotvaneDoc& doc, QWidget* pParent);
    CQtDocumentUi(const CQtDocumentUi&) = delete;
    CQtDocumentUi& operator=(const CQtDocumentUi&) = delete;

    bool ChooseGraphicFile(const std::string& strFilter, std::string& strPath) override;
    bool ChoosePdfPage(const std::string& strPath, int& nPage, int& nDpi) override;
    // The save prompt: Yes, No or Cancel, and whether to export the curves or save the document.
    SavePromptResult AskToSave(const std::string& strQuestion) override;
    bool DoFileSave() override;
    // The "&Data export" command (CDataExport).
    bool RunExport() override;

    // "Open Document...": the save prompt, the file dialog filtered on documents, then
    // reading the file. False when cancelled or the file cannot be read.
    bool OpenDocument();
    // Opens a document (".pvd") or a picture after the save prompt, as the command line,
    // a dropped file and the recent documents do. False when cancelled or unreadable (the
    // user has been told why).
    bool OpenFile(const QString& strPath);
    // "Save Document...": the save dialog, then writing the file.
    bool SaveDocumentAs();

    // A filter in the "label|patterns|label|patterns||" form as QFileDialog takes it:
    // "label (patterns);;...", patterns separated by blanks, "*.*" meaning every file.
    static QString ToQtFilter(const std::string& strFilter);
    // The filter of document files, from the document template's texts.
    static QString DocumentFilter();

private:
    bool SaveTo(const QString& strPath);
    // Reads a document, telling the user when it cannot be read.
    bool ReadDocument(const QString& strPath);

    CPlotvaneDoc& m_Doc;
    QPointer<QWidget> m_pParent;
};
