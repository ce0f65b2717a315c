#include "main/adapters/QtDocumentUi.h"

#include <exception>
#include <memory>
#include <utility>
#include <vector>

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include "Dm/BmpManager.h"
#include "Dm/PlotvaneDoc.h"
#include "imaging/PdfDecoder.h"
#include "main/export/DataExport.h"
#include "main/frame/PdfPageDialog.h"
#include "main/adapters/QtText.h"
#include "main/frame/SavePromptDlg.h"
#include "platform/MappedFile.h"
#include "platform/MessageService.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {

// Fields of the document template text.
constexpr int kFilterNameField = 3;
constexpr int kExtensionField = 4;

}  // namespace

CQtDocumentUi::CQtDocumentUi(CPlotvaneDoc& doc, QWidget* pParent) : m_Doc(doc), m_pParent(pParent) {}

QString CQtDocumentUi::ToQtFilter(const std::string& strFilter)
{
    const QStringList parts = CQtText::ToQString(strFilter).split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString strLabel = parts[i].trimmed();
        if (strLabel.isEmpty())
            continue;
        QStringList patterns =
            parts[i + 1].split(QRegularExpression(QStringLiteral("[;\\s]+")), Qt::SkipEmptyParts);
        for (QString& strPattern : patterns) {
            if (strPattern == QStringLiteral("*.*"))
                strPattern = QStringLiteral("*");
        }
        // QFileDialog takes the patterns from the label's last parentheses.
        QString strLabelOnly = strLabel;
        const int nOpen = strLabelOnly.lastIndexOf(QLatin1Char('('));
        if (nOpen > 0 && strLabelOnly.endsWith(QLatin1Char(')')))
            strLabelOnly = strLabelOnly.left(nOpen).trimmed();
        filters << strLabelOnly + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

QString CQtDocumentUi::DocumentFilter()
{
    const std::string strExtension = CStringTable::GetField(IDS_DOC_TEMPLATE, kExtensionField);
    return ToQtFilter(CStringTable::GetField(IDS_DOC_TEMPLATE, kFilterNameField) + "|*" + strExtension + "|" +
                      CStringTable::Get(IDS_FILTER_ALL_FILES));
}

bool CQtDocumentUi::ChooseGraphicFile(const std::string& strFilter, std::string& strPath)
{
    const QString strChosen =
        QFileDialog::getOpenFileName(m_pParent, QString(), QString(), ToQtFilter(strFilter));
    if (strChosen.isEmpty())
        return false;
    strPath = CQtText::PathFromQString(strChosen);
    return true;
}

CDocumentUi::SavePromptResult CQtDocumentUi::AskToSave(const std::string& strQuestion)
{
    CSavePromptDlg dialog(CQtText::ToQString(strQuestion), m_pParent);
    return dialog.Ask();
}

bool CQtDocumentUi::DoFileSave()
{
    if (m_Doc.GetPathName().empty())
        return SaveDocumentAs();
    return SaveTo(CQtText::PathToQString(m_Doc.GetPathName()));
}

bool CQtDocumentUi::RunExport()
{
    return CDataExport(m_Doc, m_pParent).Run();
}

bool CQtDocumentUi::OpenDocument()
{
    if (!m_Doc.SaveModified())
        return false;
    const QString strChosen = QFileDialog::getOpenFileName(m_pParent, QString(), QString(), DocumentFilter());
    return !strChosen.isEmpty() && ReadDocument(strChosen);
}

bool CQtDocumentUi::ReadDocument(const QString& strPath)
{
    std::string strReason;
    if (m_Doc.OnOpenDocument(CQtText::PathFromQString(strPath), &strReason))
        return true;
    // The file and the reason on a line of their own, after the message it always gave.
    AfxMessageBox(
        CStringTable::Get(IDS_FAILED_TO_OPEN) + "\n" + CQtText::FromQString(strPath) + ": " + strReason,
        CMessageService::Icon::Stop);
    return false;
}

bool CQtDocumentUi::OpenFile(const QString& strPath)
{
    if (!m_Doc.SaveModified())
        return false;
    if (strPath.endsWith(CQtText::Field(IDS_DOC_TEMPLATE, kExtensionField), Qt::CaseInsensitive))
        return ReadDocument(strPath);
    // The bitmap manager tells the user why a picture cannot be read.
    return m_Doc.OpenGraphicFile(CQtText::PathFromQString(strPath));
}

bool CQtDocumentUi::ChoosePdfPage(const std::string& strPath, int& nPage, int& nDpi)
{
    std::unique_ptr<CMappedFile> pFile;
    std::vector<PLPdfDecoder::PageSize> pageSizes;
    try {
        pFile = std::make_unique<CMappedFile>(strPath);
        pageSizes = PLPdfDecoder::ReadPageSizes(pFile->GetData(), pFile->GetSize());
    } catch (const std::exception&) {
        // Opening the file tells the user why it cannot be read.
        return true;
    }
    if (pageSizes.empty())
        return true;
    CPdfPageDialog dialog(pFile->GetData(), pFile->GetSize(), std::move(pageSizes), m_pParent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    nPage = dialog.GetPage();
    nDpi = dialog.GetDpi();
    return true;
}

bool CQtDocumentUi::SaveDocumentAs()
{
    const QString strExtension = CQtText::Field(IDS_DOC_TEMPLATE, kExtensionField);
    // Proposed: the document's own file, else a document named after the picture beside it.
    QString strProposed = CQtText::PathToQString(m_Doc.GetPathName());
    if (strProposed.isEmpty() && m_Doc.GetBmpManager()->IsLoaded()) {
        // The picture's name is a text of the document (Windows-1252), not the path's bytes.
        const QFileInfo picture(CQtText::ToQString(m_Doc.GetBmpManager()->GetFileName()));
        strProposed = picture.dir().filePath(picture.completeBaseName() + strExtension);
    }
    QString strChosen = QFileDialog::getSaveFileName(m_pParent, QString(), strProposed, DocumentFilter());
    if (strChosen.isEmpty())
        return false;
    if (QFileInfo(strChosen).suffix().isEmpty())
        strChosen += strExtension;
    return SaveTo(strChosen);
}

bool CQtDocumentUi::SaveTo(const QString& strPath)
{
    std::string strReason;
    if (m_Doc.OnSaveDocument(CQtText::PathFromQString(strPath), &strReason))
        return true;
    // The reason names the file ("Cannot write the file %s.") and what the system said.
    AfxMessageBox(CStringTable::Get(IDS_CANNOT_WRITE) + "\n" + strReason, CMessageService::Icon::Stop);
    return false;
}
