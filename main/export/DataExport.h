#pragma once

#include <string>

#include <QPointer>
#include <QWidget>

#include "Dm/AbstractResultDumper.h"

class CPlotvaneDoc;

// The "&Data export" command: the curves and their sampling chosen in "Save Curves", the
// export file chosen in the save dialog (filtered on the "Extension" setting), then the
// file written. The exported curves are marked unmodified only when the file is complete;
// a failure is told with the stop icon and leaves the user's previous file as it was.
class CDataExport {
public:
    // Neither is owned; the document must outlive this object.
    CDataExport(CPlotvaneDoc& doc, QWidget* pParent);

    // False when the user cancels or the file cannot be written.
    bool Run();

    // The save dialog's filter in the "label|patterns|...||" form: the entry of the
    // extension first (Excel for "xls", text for "txt", one made for any other), then the
    // Excel and text entries not yet given, then every file.
    static std::string BuildFilter(const std::string& strExtension);
    // Writes the export file; false, after telling the user why, when it fails.
    static bool Write(const CAbstractResultDumper::ResultsList& results, const std::string& strPath,
                      char cSeparator);

private:
    // The save dialog; empty when cancelled.
    QString ChooseFile(const std::string& strExtension) const;

    CPlotvaneDoc& m_Doc;
    QPointer<QWidget> m_pParent;
};
