#include "Dm/PlotvaneDoc.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <new>
#include <utility>

#include "Dm/BmpManager.h"
#include "Dm/CoordSyst.h"
#include "Dm/Curve.h"
#include "Dm/DocumentObserver.h"
#include "Dm/DocumentUi.h"
#include "Dm/ModelClasses.h"
#include "imaging/AnyPicDecoder.h"
#include "platform/WaitCursor.h"
#include "platform/Archive.h"
#include "platform/FileReplacer.h"
#include "platform/InputFileError.h"
#include "platform/MappedFile.h"
#include "platform/MessageService.h"
#include "platform/NumberFormat.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

IMPLEMENT_DYNAMIC(CPlotvaneDoc, CObject)

namespace {

std::string FileNamePart(const std::string& strPath)
{
    return std::filesystem::path(strPath).filename().string();
}

// The failure to write a document: its file, then the system's reason on a line of its own.
std::string CannotWriteMessage(const CFileReplacer& file)
{
    return FormatWithString(CStringTable::Get(IDS_CANNOT_WRITE_FILE), file.GetTarget()) + "\n" +
           file.GetReason();
}

// Whether a file is a PDF file, by its content as the decoders see it. A file that cannot be
// read is not: opening it tells the user why.
bool IsPdfFile(const std::string& strPath)
{
    try {
        const CMappedFile file(strPath);
        return PLAnyPicDecoder::Detect(strPath, file.GetData(), file.GetSize()) ==
               PLAnyPicDecoder::Format::PDF;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

CPlotvaneDoc::CPlotvaneDoc()
    : m_CurveColors{0xAA6496, 0x0000FF, 0x00FF00, 0xFF0000, 0x800080,
                    0x808000, 0x008080, 0x3278C8, 0x327832, 0x96AA64},
      m_pBmpManager(std::make_unique<CBmpManager>(this)),
      m_strTitle(CStringTable::Get(IDS_UNTITLED))
{
    // Documents name the classes of their objects; every model class must be known by
    // name before the first one is read.
    RegisterModelClasses();
    m_CurveColors.shrink_to_fit();
}

CPlotvaneDoc::~CPlotvaneDoc() = default;

template <typename F>
void CPlotvaneDoc::Notify(F f) const
{
    // A copy: an observer may unregister itself while it is told.
    const std::vector<CDocumentObserver*> observers = m_Observers;
    for (CDocumentObserver* pObserver : observers)
        f(*pObserver);
}

// ---- framework part

bool CPlotvaneDoc::OnNewDocument()
{
    DeleteContents();
    return true;
}

void CPlotvaneDoc::DeleteContents()
{
    // The old manager removes its temporary copy of the image file as it goes.
    m_pBmpManager = std::make_unique<CBmpManager>(this);
    m_CoordSystList.clear();
    m_nCoordSystCounter = 1;
    m_nCurveCounter = 1;
    // The path goes with the content: a later "Save" must not write another piece of work
    // over the file this one was read from.
    m_strPathName.clear();
    SetTitle(CStringTable::Get(IDS_UNTITLED));
    SetModifiedFlag(false);
}

void CPlotvaneDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        m_pBmpManager->Serialize(ar);
        ar.WriteDword(static_cast<uint32_t>(m_CoordSystList.size()));
        for (const auto& pCoordSyst : m_CoordSystList)
            ar.WriteObject(pCoordSyst.get());
        ClearCurvesModified();
        return;
    }

    DeleteContents();
    try {
        m_pBmpManager->Serialize(ar);
        m_pBmpManager->SetDocument(this);
        const uint32_t nCount = ar.ReadDword();
        // Each reference takes at least its two-byte tag.
        ar.CheckCount(nCount, 2);
        for (uint32_t i = 0; i < nCount; ++i) {
            std::unique_ptr<CObject> pObject = ar.ReadObject(RUNTIME_CLASS(CCoordSyst));
            // The program never writes a missing coordinate system.
            if (pObject == nullptr)
                throw CArchiveException(CArchiveException::badClass, "A coordinate system is missing.");
            AddCoordSyst(StaticDowncast<CCoordSyst>(std::move(pObject)));
        }
    } catch (...) {
        DeleteContents();
        throw;
    }
}

std::string CPlotvaneDoc::NameForSavePrompt() const
{
    std::string strName = FileNamePart(m_strPathName);
    if (strName.empty())
        strName = m_strTitle.empty() ? CStringTable::Get(IDS_UNTITLED) : m_strTitle;
    if (!strName.empty() && strName.back() == '*')
        strName.pop_back();
    return strName;
}

bool CPlotvaneDoc::SaveModified()
{
    if (!IsModified())
        return true;
    if (m_pUi == nullptr)
        return false;

    std::string strQuestion = CStringTable::Get(IDS_ASK_TO_SAVE);
    // A translation may leave the name out.
    if (const size_t nAt = strQuestion.find("%1"); nAt != std::string::npos)
        strQuestion.replace(nAt, 2, NameForSavePrompt());
    const CDocumentUi::SavePromptResult result = m_pUi->AskToSave(strQuestion);
    switch (result.answer) {
        case CDocumentUi::SaveAnswer::Cancel:
            return false;
        case CDocumentUi::SaveAnswer::No:
            return true;
        case CDocumentUi::SaveAnswer::Yes:
            break;
    }
    return result.choice == CDocumentUi::SaveChoice::Document ? m_pUi->DoFileSave() : m_pUi->RunExport();
}

bool CPlotvaneDoc::OnOpenDocument(const std::string& strPath, std::string* pstrError)
{
    auto fail = [this, pstrError](const std::string& strReason) {
        DeleteContents();
        if (pstrError != nullptr)
            *pstrError = strReason;
        ReinitializeViews();
        return false;
    };

    // Only a regular file of a bounded size is read (a document embeds its picture).
    std::unique_ptr<CMappedFile> pFile;
    try {
        pFile = std::make_unique<CMappedFile>(strPath);
    } catch (const CInputFileError& e) {
        if (e.GetErrno() == ENOMEM)
            return fail(CStringTable::Get(IDS_NOT_ENOUGH_MEMORY));
        if (e.GetReason() == CInputFileError::Reason::CannotOpen && e.GetErrno() == 0)
            return fail(CStringTable::Get(IDS_FAILED_TO_OPEN));
        return fail(e.UserText());
    }

    try {
        CArchive ar(pFile->GetData(), pFile->GetSize());
        Serialize(ar);
    } catch (const std::bad_alloc&) {
        return fail(CStringTable::Get(IDS_NOT_ENOUGH_MEMORY));
    } catch (const std::exception& e) {
        return fail(e.what());
    }
    SetPathName(strPath);
    SetModifiedFlag(false);
    ReinitializeViews();
    return true;
}

bool CPlotvaneDoc::OnSaveDocument(const std::string& strPath, std::string* pstrError)
{
    CFileReplacer file(strPath);
    if (!WriteDocument(file, pstrError))
        return false;
    if (!file.Commit()) {
        if (pstrError != nullptr)
            *pstrError = CannotWriteMessage(file);
        return false;
    }
    SetPathName(strPath);
    SetModifiedFlag(false);
    return true;
}

bool CPlotvaneDoc::WriteDocument(CFileReplacer& file, std::string* pstrError)
{
    auto fail = [pstrError](const std::string& strReason) {
        if (pstrError != nullptr)
            *pstrError = strReason;
        return false;
    };

    // Storing clears the curves' flags; they come back if the file cannot be written.
    std::vector<CCurve*> modified;
    for (const auto& pCoordSyst : m_CoordSystList) {
        for (const auto& pCurve : pCoordSyst->GetCurveList()) {
            if (pCurve->GetModified())
                modified.push_back(pCurve.get());
        }
    }
    auto restore = [&modified]() {
        for (CCurve* pCurve : modified)
            pCurve->SetModified(true);
    };

    // The archive goes straight into the file: a document embedding a large picture is
    // not built up in memory first.
    if (!file.Open()) {
        restore();
        return fail(CannotWriteMessage(file));
    }
    try {
        CArchive ar(file.GetStream());
        Serialize(ar);
    } catch (const std::exception& e) {
        const bool bWriteFailed = !file.GetReason().empty();
        file.Abandon();
        restore();
        return fail(bWriteFailed ? CannotWriteMessage(file) : std::string(e.what()));
    }
    if (!file.Prepare()) {
        restore();
        return fail(CannotWriteMessage(file));
    }
    return true;
}

void CPlotvaneDoc::SetTitle(const std::string& strTitle)
{
    m_strTitle = strTitle;
    Notify([](CDocumentObserver& o) { o.OnTitleChanged(); });
}

void CPlotvaneDoc::SetPathName(const std::string& strPathName)
{
    m_strPathName = strPathName;
    SetTitle(FileNamePart(strPathName));
}

void CPlotvaneDoc::SetModifiedFlag(bool bModified)
{
    if (m_bModified == bModified)
        return;
    m_bModified = bModified;
    Notify([bModified](CDocumentObserver& o) { o.OnModifiedChanged(bModified); });
}

// ---- windows

void CPlotvaneDoc::AddObserver(CDocumentObserver* pObserver)
{
    if (pObserver != nullptr &&
        std::find(m_Observers.begin(), m_Observers.end(), pObserver) == m_Observers.end())
        m_Observers.push_back(pObserver);
}

void CPlotvaneDoc::RemoveObserver(CDocumentObserver* pObserver)
{
    m_Observers.erase(std::remove(m_Observers.begin(), m_Observers.end(), pObserver), m_Observers.end());
}

void CPlotvaneDoc::UpdateAllViews()
{
    Notify([](CDocumentObserver& o) { o.OnDocumentChanged(); });
}

void CPlotvaneDoc::ReinitializeViews()
{
    Notify([](CDocumentObserver& o) { o.OnReinitialize(); });
}

void CPlotvaneDoc::Draw(CDrawContext& dc, const CRect& clip) const
{
    // Widened so that the last column and row of a clip reaching the bitmap's edge are
    // painted too.
    const CRect widened(clip.left, clip.top, clip.right < INT32_MAX ? clip.right + 1 : clip.right,
                        clip.bottom < INT32_MAX ? clip.bottom + 1 : clip.bottom);
    m_pBmpManager->Draw(dc, widened);
    for (const auto& pCoordSyst : m_CoordSystList)
        pCoordSyst->Draw(dc);
}

void CPlotvaneDoc::Redraw(const CRect& clip)
{
    Notify([&clip](CDocumentObserver& o) { o.OnRedraw(clip); });
}

// ---- commands

std::string CPlotvaneDoc::GetGraphicFileFilter()
{
    // Every format the image layer decodes.
    std::string strPatterns;
    for (const std::string& strExtension : PLAnyPicDecoder::FileExtensions())
        strPatterns += (strPatterns.empty() ? "*." : "; *.") + strExtension;
    return CStringTable::Get(IDS_GRAPHIC_FILES) + "|" + strPatterns + "|" + CStringTable::Get(IDS_ALL_FILES) +
           " (*.*)|*.*||";
}

bool CPlotvaneDoc::OnOpenGraphic()
{
    if (!SaveModified() || m_pUi == nullptr)
        return false;
    std::string strPath;
    if (!m_pUi->ChooseGraphicFile(GetGraphicFileFilter(), strPath))
        return false;
    return OpenGraphicFile(strPath);
}

bool CPlotvaneDoc::OpenGraphicFile(const std::string& strPath)
{
    int nPage = PLPdfDecoder::kDefaultPage;
    int nDpi = PLPdfDecoder::kDefaultDpi;
    if (m_pUi != nullptr && IsPdfFile(strPath) && !m_pUi->ChoosePdfPage(strPath, nPage, nDpi))
        return false;
    return OpenBitmap(strPath, nPage, nDpi);
}

bool CPlotvaneDoc::OpenBitmap(const std::string& strPath, int nPdfPage, int nPdfDpi)
{
    DeleteContents();
    bool bLoaded = false;
    {
        CWaitCursor wait;
        bLoaded = m_pBmpManager->Load(strPath, nPdfPage, nPdfDpi);
        SetTitle(bLoaded ? FileNamePart(strPath) : std::string());
    }
    ReinitializeViews();
    if (bLoaded)
        Notify([](CDocumentObserver& o) { o.OnStartConstruction(); });
    return bLoaded;
}

bool CPlotvaneDoc::AcceptScannedBitmap(const uint8_t* data, size_t size)
{
    bool bLoaded = false;
    {
        CWaitCursor wait;
        bLoaded = m_pBmpManager->SetFromScannedDib(data, size);
        // No path name: saving must ask where to, never write a file called "Untitled".
        m_strPathName.clear();
        SetTitle(CStringTable::Get(IDS_UNTITLED));
    }
    ReinitializeViews();
    if (m_pBmpManager->IsLoaded())
        Notify([](CDocumentObserver& o) { o.OnStartConstruction(); });
    return bLoaded;
}

bool CPlotvaneDoc::OnExport()
{
    return m_pUi != nullptr && m_pUi->RunExport();
}

bool CPlotvaneDoc::CanOpenGraphic(bool bConstructionRunning, bool bScanRunning) const
{
    return !bConstructionRunning && !bScanRunning;
}

bool CPlotvaneDoc::CanExport(bool bConstructionRunning) const
{
    return HasCurves() && !bConstructionRunning;
}

bool CPlotvaneDoc::CanSaveDocument(bool bConstructionRunning) const
{
    return m_pBmpManager->IsLoaded() && !bConstructionRunning;
}

// ---- content

std::string CPlotvaneDoc::GetBitmapFileName() const
{
    return m_pBmpManager->IsLoaded() ? m_pBmpManager->GetFileName() : std::string();
}

CCoordSyst* CPlotvaneDoc::AddCoordSyst(std::unique_ptr<CCoordSyst> pCoordSyst)
{
    if (pCoordSyst == nullptr)
        return nullptr;
    CCoordSyst* pAdded = m_CoordSystList.insert(m_CoordSystList.end(), std::move(pCoordSyst))->get();
    pAdded->SetDocument(this);
    return pAdded;
}

bool CPlotvaneDoc::DeleteCoordSyst(CCoordSyst* pCoordSyst)
{
    auto it =
        std::find_if(m_CoordSystList.begin(), m_CoordSystList.end(),
                     [pCoordSyst](const std::unique_ptr<CCoordSyst>& p) { return p.get() == pCoordSyst; });
    if (it == m_CoordSystList.end())
        return false;
    m_CoordSystList.erase(it);
    return true;
}

bool CPlotvaneDoc::SelectAt(int x, int y)
{
    ClearSelection();
    for (const auto& pCoordSyst : m_CoordSystList) {
        if (pCoordSyst->HitTest(x, y)) {
            pCoordSyst->SetSelected(true);
            return true;
        }
        for (const auto& pCurve : pCoordSyst->GetCurveList()) {
            if (pCurve->HitTest(x, y)) {
                pCurve->SetSelected(true);
                return true;
            }
        }
    }
    return false;
}

void CPlotvaneDoc::ClearSelection()
{
    for (const auto& pCoordSyst : m_CoordSystList) {
        pCoordSyst->SetSelected(false);
        for (const auto& pCurve : pCoordSyst->GetCurveList())
            pCurve->SetSelected(false);
    }
}

CCoordSyst* CPlotvaneDoc::GetSelectedCoordSyst() const
{
    for (const auto& pCoordSyst : m_CoordSystList) {
        if (pCoordSyst->IsSelected())
            return pCoordSyst.get();
    }
    return nullptr;
}

CCurve* CPlotvaneDoc::GetSelectedCurve() const
{
    for (const auto& pCoordSyst : m_CoordSystList) {
        for (const auto& pCurve : pCoordSyst->GetCurveList()) {
            if (pCurve->IsSelected())
                return pCurve.get();
        }
    }
    return nullptr;
}

bool CPlotvaneDoc::HasCurves() const
{
    return std::any_of(
        m_CoordSystList.begin(), m_CoordSystList.end(),
        [](const std::unique_ptr<CCoordSyst>& pCoordSyst) { return !pCoordSyst->GetCurveList().empty(); });
}

bool CPlotvaneDoc::IsCurveNameUsed(const std::string& strName, const CCurve* pExcept) const
{
    for (const auto& pCoordSyst : m_CoordSystList) {
        for (const auto& pCurve : pCoordSyst->GetCurveList()) {
            if (pCurve.get() != pExcept && pCurve->GetName() == strName)
                return true;
        }
    }
    return false;
}

bool CPlotvaneDoc::CheckCurveName(const CCurve* pCurve, const std::string& strName) const
{
    if (!IsCurveNameUsed(strName, pCurve))
        return true;
    return AfxMessageBox(IDS_SAME_CURVE_NAME, CMessageService::Icon::Exclamation,
                         CMessageService::Buttons::YesNo) != CMessageService::Answer::No;
}

// ---- CDocumentLink

COLORREF CPlotvaneDoc::GetColor(int nNumber) const
{
    const int nSize = static_cast<int>(m_CurveColors.size());
    // Numbers read from a document may be negative.
    return m_CurveColors[static_cast<size_t>(((nNumber % nSize) + nSize) % nSize)];
}

void CPlotvaneDoc::UpdateModifiedFlag()
{
    const bool bModified = std::any_of(m_CoordSystList.begin(), m_CoordSystList.end(),
                                       [](const std::unique_ptr<CCoordSyst>& pCoordSyst) {
                                           return pCoordSyst->GetFirstModifiedCurve() != nullptr;
                                       });
    SetModifiedFlag(bModified);
}

void CPlotvaneDoc::ClearCurvesModified()
{
    std::vector<CCurve*> curves;
    for (const auto& pCoordSyst : m_CoordSystList) {
        for (const auto& pCurve : pCoordSyst->GetCurveList())
            curves.push_back(pCurve.get());
    }
    ClearCurvesModified(curves);
}

void CPlotvaneDoc::ClearCurvesModified(const std::vector<CCurve*>& curves)
{
    // Last curve first: each change looks for the first curve still modified, which is then
    // found at once; front to back, clearing n curves would look through n^2 / 2.
    for (auto it = curves.rbegin(); it != curves.rend(); ++it)
        (*it)->SetModified(false);
}
