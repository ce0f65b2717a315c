#include "main/export/DataExport.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "Dm/Curve.h"
#include "Dm/FileResultDumper.h"
#include "Dm/PlotvaneDoc.h"
#include "Dm/PlotvaneException.h"
#include "Dm/SettingsManager.h"
#include "main/adapters/QtDocumentUi.h"
#include "main/adapters/QtText.h"
#include "main/wizard/SaveCurveDialog.h"
#include "platform/MessageService.h"
#include "platform/NumberFormat.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"
#include "platform/WaitCursor.h"

namespace {

constexpr char kDefaultSeparator = '\t';
constexpr const char* kDefaultExtension = "xls";

std::string ToLower(std::string str)
{
    for (char& c : str) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return str;
}

}  // namespace

CDataExport::CDataExport(CPlotvaneDoc& doc, QWidget* pParent) : m_Doc(doc), m_pParent(pParent) {}

std::string CDataExport::BuildFilter(const std::string& strExtension)
{
    const std::string strExcel = CStringTable::Get(IDS_FILTER_EXCEL);
    const std::string strText = CStringTable::Get(IDS_FILTER_TEXT);
    std::string strFilter;
    const std::string strLower = ToLower(strExtension);
    if (strLower == "xls")
        strFilter = strExcel + strText;
    else if (strLower == "txt")
        strFilter = strText + strExcel;
    else
        strFilter = FormatWithStrings(CStringTable::Get(IDS_FILTER_OTHER_EXTENSION),
                                      {strExtension, strExtension, strExtension}) +
                    strExcel + strText;
    return strFilter + CStringTable::Get(IDS_FILTER_ALL_FILES);
}

QString CDataExport::ChooseFile(const std::string& strExtension) const
{
    QFileDialog dialog(m_pParent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(CQtDocumentUi::ToQtFilter(BuildFilter(strExtension)).split(QStringLiteral(";;")));
    dialog.setDefaultSuffix(CQtText::ToQString(strExtension));
    // Proposed: the document's name without its extension, beside the document.
    const QString strTitle = QFileInfo(CQtText::TitleToQString(m_Doc.GetTitle())).completeBaseName();
    const QString strDocument = CQtText::PathToQString(m_Doc.GetPathName());
    if (!strDocument.isEmpty())
        dialog.setDirectory(QFileInfo(strDocument).absolutePath());
    dialog.selectFile(strTitle);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().front();
}

bool CDataExport::Write(const CAbstractResultDumper::ResultsList& results, const std::string& strPath,
                        char cSeparator)
{
    try {
        CWaitCursor wait;
        CFileResultDumper dumper(results, strPath, cSeparator);
        dumper.Dump();
    } catch (const CPlotvaneException& e) {
        AfxMessageBox(e.GetMessage(), CMessageService::Icon::Stop);
        return false;
    } catch (...) {
        AfxMessageBox(IDS_ERROR_ACCESSING_FILE, CMessageService::Icon::Stop);
        return false;
    }
    return true;
}

bool CDataExport::Run()
{
    const CSettingsManager* pSettings = GetSettingsManager();
    CSaveCurveDialog curves(m_Doc, pSettings != nullptr ? pSettings->GetSeparator() : kDefaultSeparator,
                            m_pParent);
    if (curves.exec() != QDialog::Accepted)
        return false;
    const std::string strExtension = pSettings != nullptr ? pSettings->GetExtension() : kDefaultExtension;
    const QString strPath = ChooseFile(strExtension);
    if (strPath.isEmpty())
        return false;
    if (!Write(curves.GetResultsList(), CQtText::PathFromQString(strPath), curves.GetSeparator()))
        return false;
    // Last first: the document then finds the first curve still modified at once.
    const auto& results = curves.GetResultsList();
    for (auto it = results.rbegin(); it != results.rend(); ++it) {
        if (CCurve* pCurve = (*it)->GetCurve())
            pCurve->SetModified(false);
    }
    return true;
}
