#include "Dm/PlotvaneDoc.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <system_error>

#include "Dm/BmpManager.h"
#include "Dm/CoordSyst.h"
#include "Dm/Curve.h"
#include "Dm/DocumentObserver.h"
#include "Dm/DocumentUi.h"
#include "Dm/ModelClasses.h"
#include "platform/WaitCursor.h"
#include "platform/Archive.h"
#include "platform/MessageService.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"
#include "platform/TempFile.h"

IMPLEMENT_DYNAMIC(CPlotvaneDoc, CObject)

namespace {

// The framework's own texts (not in the program's string table).
const char kUntitledFramework[] = "Untitled";
const char kAskToSave[] = "Save changes to %1?";

std::string FileNamePart(const std::string& strPath)
{
    return std::filesystem::path(strPath).filename().string();
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

CPlotvaneDoc::~CPlotvaneDoc()
{
    DeleteCoordSysts();
}

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

void CPlotvaneDoc::DeleteCoordSysts()
{
    for (CCoordSyst* pCoordSyst : m_CoordSystList)
        delete pCoordSyst;
    m_CoordSystList.clear();
}

void CPlotvaneDoc::DeleteContents()
{
    // The old manager removes its temporary copy of the image file as it goes.
    m_pBmpManager = std::make_unique<CBmpManager>(this);
    DeleteCoordSysts();
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
        for (const CCoordSyst* pCoordSyst : m_CoordSystList)
            ar.WriteObject(pCoordSyst);
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
            std::unique_ptr<CObject> pObject(ar.ReadObject(RUNTIME_CLASS(CCoordSyst)));
            // The program never writes a missing coordinate system.
            if (pObject == nullptr)
                throw CArchiveException(CArchiveException::badClass, "A coordinate system is missing.");
            AddCoordSyst(static_cast<CCoordSyst*>(pObject.release()));
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
        strName = m_strTitle.empty() ? kUntitledFramework : m_strTitle;
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

    std::string strQuestion = kAskToSave;
    strQuestion.replace(strQuestion.find("%1"), 2, NameForSavePrompt());
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

    std::vector<uint8_t> bytes;
    {
        std::error_code ec;
        const uintmax_t size = std::filesystem::file_size(strPath, ec);
        std::ifstream in(strPath, std::ios::binary);
        if (ec || !in)
            return fail(CStringTable::Get(IDS_FAILED_TO_OPEN));
        try {
            bytes.resize(static_cast<size_t>(size));
        } catch (const std::exception&) {
            return fail(CStringTable::Get(IDS_NOT_ENOUGH_MEMORY));
        }
        if (size > 0)
            in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
        if (!in)
            return fail(CStringTable::Get(IDS_ERROR_ACCESSING_FILE));
    }

    try {
        CArchive ar(bytes.data(), bytes.size());
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
    auto fail = [pstrError](const std::string& strReason) {
        if (pstrError != nullptr)
            *pstrError = strReason;
        return false;
    };

    // Storing clears the curves' flags; they come back if the file cannot be written.
    std::vector<CCurve*> modified;
    for (const CCoordSyst* pCoordSyst : m_CoordSystList) {
        for (CCurve* pCurve : pCoordSyst->GetCurveList()) {
            if (pCurve->GetModified())
                modified.push_back(pCurve);
        }
    }
    auto restore = [&modified]() {
        for (CCurve* pCurve : modified)
            pCurve->SetModified(true);
    };

    // Written beside the target and renamed over it, so that a failed write never leaves
    // a damaged document in place of a sound one. The archive goes straight into the file:
    // a document embedding a large picture is not built up in memory first.
    const std::string strTempPath = CTempFile::CreateBeside(strPath);
    if (strTempPath.empty()) {
        restore();
        return fail(CStringTable::Get(IDS_CANNOT_WRITE));
    }
    auto discard = [&strTempPath, &restore]() {
        std::error_code ec;
        std::filesystem::remove(strTempPath, ec);
        restore();
    };
    {
        std::ofstream file(strTempPath, std::ios::binary | std::ios::trunc);
        if (!file) {
            restore();
            return fail(CStringTable::Get(IDS_CANNOT_WRITE));
        }
        try {
            CArchive ar(file);
            Serialize(ar);
        } catch (const std::exception& e) {
            const bool bWriteFailed = !file;
            file.close();
            discard();
            return fail(bWriteFailed ? CStringTable::Get(IDS_CANNOT_WRITE) : std::string(e.what()));
        }
        file.close();
        if (!file) {
            discard();
            return fail(CStringTable::Get(IDS_CANNOT_WRITE));
        }
    }
    std::error_code ec;
    // The new file keeps the permissions of the one it replaces (a new one is readable by
    // all, as files written the ordinary way are), not the private mode of a temporary file.
    namespace fs = std::filesystem;
    const fs::file_status old = fs::status(strPath, ec);
    fs::permissions(strTempPath,
                    fs::exists(old) ? old.permissions()
                                    : fs::perms::owner_read | fs::perms::owner_write |
                                          fs::perms::group_read | fs::perms::others_read,
                    ec);
    std::filesystem::rename(strTempPath, strPath, ec);
    if (ec) {
        std::filesystem::remove(strTempPath, ec);
        restore();
        return fail(CStringTable::Get(IDS_CANNOT_WRITE));
    }
    SetPathName(strPath);
    SetModifiedFlag(false);
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
    for (const CCoordSyst* pCoordSyst : m_CoordSystList)
        pCoordSyst->Draw(dc);
}

void CPlotvaneDoc::Redraw(const CRect& clip)
{
    Notify([&clip](CDocumentObserver& o) { o.OnRedraw(clip); });
}

// ---- commands

std::string CPlotvaneDoc::GetGraphicFileFilter()
{
    return CStringTable::Get(IDS_GRAPHIC_FILES) + "|*.bmp; *.jpg; *.jpe; *.tif; *.gif; *.pic; *.pcx; *.png|" +
           CStringTable::Get(IDS_ALL_FILES) + " (*.*)|*.*||";
}

bool CPlotvaneDoc::OnOpenGraphic()
{
    if (!SaveModified() || m_pUi == nullptr)
        return false;
    std::string strPath;
    if (!m_pUi->ChooseGraphicFile(GetGraphicFileFilter(), strPath))
        return false;
    return OpenBitmap(strPath);
}

bool CPlotvaneDoc::OpenBitmap(const std::string& strPath)
{
    DeleteContents();
    bool bLoaded = false;
    {
        CWaitCursor wait;
        bLoaded = m_pBmpManager->Load(strPath);
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

CPlotvaneDoc::CoordSystList::iterator CPlotvaneDoc::AddCoordSyst(CCoordSyst* pCoordSyst)
{
    if (pCoordSyst == nullptr)
        return m_CoordSystList.end();
    auto it = m_CoordSystList.insert(m_CoordSystList.end(), pCoordSyst);
    pCoordSyst->SetDocument(this);
    return it;
}

bool CPlotvaneDoc::DeleteCoordSyst(CCoordSyst* pCoordSyst)
{
    auto it = std::find(m_CoordSystList.begin(), m_CoordSystList.end(), pCoordSyst);
    if (it == m_CoordSystList.end())
        return false;
    m_CoordSystList.erase(it);
    delete pCoordSyst;
    return true;
}

bool CPlotvaneDoc::SelectAt(int x, int y)
{
    ClearSelection();
    for (CCoordSyst* pCoordSyst : m_CoordSystList) {
        if (pCoordSyst->HitTest(x, y)) {
            pCoordSyst->SetSelected(true);
            return true;
        }
        for (CCurve* pCurve : pCoordSyst->GetCurveList()) {
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
    for (CCoordSyst* pCoordSyst : m_CoordSystList) {
        pCoordSyst->SetSelected(false);
        for (CCurve* pCurve : pCoordSyst->GetCurveList())
            pCurve->SetSelected(false);
    }
}

CCoordSyst* CPlotvaneDoc::GetSelectedCoordSyst() const
{
    for (CCoordSyst* pCoordSyst : m_CoordSystList) {
        if (pCoordSyst->IsSelected())
            return pCoordSyst;
    }
    return nullptr;
}

CCurve* CPlotvaneDoc::GetSelectedCurve() const
{
    for (const CCoordSyst* pCoordSyst : m_CoordSystList) {
        for (CCurve* pCurve : pCoordSyst->GetCurveList()) {
            if (pCurve->IsSelected())
                return pCurve;
        }
    }
    return nullptr;
}

bool CPlotvaneDoc::HasCurves() const
{
    return std::any_of(m_CoordSystList.begin(), m_CoordSystList.end(),
                       [](const CCoordSyst* pCoordSyst) { return !pCoordSyst->GetCurveList().empty(); });
}

bool CPlotvaneDoc::IsCurveNameUsed(const std::string& strName, const CCurve* pExcept) const
{
    for (const CCoordSyst* pCoordSyst : m_CoordSystList) {
        for (const CCurve* pCurve : pCoordSyst->GetCurveList()) {
            if (pCurve != pExcept && pCurve->GetName() == strName)
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
    const bool bModified = std::any_of(
        m_CoordSystList.begin(), m_CoordSystList.end(),
        [](const CCoordSyst* pCoordSyst) { return pCoordSyst->GetFirstModifiedCurve() != nullptr; });
    SetModifiedFlag(bModified);
}

void CPlotvaneDoc::ClearCurvesModified()
{
    for (CCoordSyst* pCoordSyst : m_CoordSystList) {
        for (CCurve* pCurve : pCoordSyst->GetCurveList())
            pCurve->SetModified(false);
    }
}
