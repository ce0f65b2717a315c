#include "imaging/Twain.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "imaging/AbstractSourceManager.h"
#include "imaging/AbstractTwainWindow.h"

CTwain::CTwain() = default;

CTwain::~CTwain()
{
    CloseConnection();
}

void CTwain::SetString(TW_STR32& dest, const std::string& strText)
{
    std::memset(dest, 0, sizeof(dest));
    std::memcpy(dest, strText.data(), std::min(strText.size(), sizeof(dest) - 2));
}

void CTwain::InitIdentity()
{
    m_AppId = TW_IDENTITY();
    m_AppId.Version.MajorNum = 1;
    m_AppId.Version.MinorNum = 2;
    m_AppId.Version.Language = 13;
    m_AppId.Version.Country = 1;
    SetString(m_AppId.Version.Info, "1.2");
    m_AppId.ProtocolMajor = 1;
    m_AppId.ProtocolMinor = 8;
    m_AppId.SupportedGroups = DG_CONTROL | DG_IMAGE;
    SetString(m_AppId.Manufacturer, "Tessaline Software");
    SetString(m_AppId.ProductFamily, "Plotvane");
    SetString(m_AppId.ProductName, "Plotvane");
}

bool CTwain::Call(TW_IDENTITY* pDest, TW_UINT32 DG, TW_UINT16 DAT, TW_UINT16 MSG, TW_MEMREF pData,
                  TW_UINT16 rcExpected)
{
    if (m_pSourceManager == nullptr)
        return false;
    m_nLastReturnCode = m_pSourceManager->Entry(&m_AppId, pDest, DG, DAT, MSG, pData);
    if (m_nLastReturnCode == TWRC_FAILURE) {
        TW_STATUS status;
        m_pSourceManager->Entry(&m_AppId, pDest, DG_CONTROL, DAT_STATUS, MSG_GET, &status);
        m_nLastConditionCode = status.ConditionCode;
    }
    return m_nLastReturnCode == rcExpected;
}

bool CTwain::OpenSourceManager(std::unique_ptr<CAbstractSourceManager> pManager,
                               CAbstractTwainWindow* pWindow)
{
    CloseConnection();
    if (pManager == nullptr)
        return false;
    InitIdentity();
    m_pSourceManager = std::move(pManager);
    m_pWindow = pWindow;
    if (!Call(nullptr, DG_CONTROL, DAT_PARENT, MSG_OPENDSM, m_pWindow)) {
        m_pSourceManager.reset();
        m_pWindow = nullptr;
        return false;
    }
    return true;
}

void CTwain::CloseSourceManager()
{
    CloseConnection();
}

void CTwain::CloseConnection()
{
    if (m_pSourceManager == nullptr)
        return;
    if (m_bSourceEnabled) {
        TW_USERINTERFACE ui;
        ui.hParent = m_pWindow;
        if (Call(&m_SourceId, DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &ui))
            m_bSourceEnabled = false;
    }
    if (m_bSourceOpen && Call(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, &m_SourceId))
        m_bSourceOpen = false;
    Call(nullptr, DG_CONTROL, DAT_PARENT, MSG_CLOSEDSM, m_pWindow);
    m_pSourceManager.reset();
    m_pWindow = nullptr;
    m_bSourceKnown = m_bSourceOpen = m_bSourceEnabled = false;
}

bool CTwain::GetDefaultSource()
{
    TW_IDENTITY source;
    if (Call(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_GETDEFAULT, &source)) {
        m_SourceId = source;
        m_bSourceKnown = true;
    }
    return m_bSourceKnown;
}

bool CTwain::SelectSource()
{
    if (!m_bSourceKnown)
        GetDefaultSource();
    // An enabled source is in use; an open one (whose enabling failed) is closed first, as the
    // source manager chooses only between closed sources.
    if (m_bSourceEnabled)
        return m_bSourceKnown;
    if (m_bSourceOpen && Call(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, &m_SourceId))
        m_bSourceOpen = false;
    TW_IDENTITY source = m_SourceId;
    if (!m_bSourceOpen && Call(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_USERSELECT, &source)) {
        m_SourceId = source;
        m_bSourceKnown = true;
    }
    return m_bSourceKnown;
}

bool CTwain::OpenSource()
{
    if (m_bSourceOpen)
        return true;
    if (!m_bSourceKnown)
        return false;
    if (Call(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &m_SourceId))
        m_bSourceOpen = true;
    return m_bSourceOpen;
}

bool CTwain::SetTransferCount(int nCount)
{
    TW_CAPABILITY cap;
    cap.Cap = CAP_XFERCOUNT;
    cap.ConType = TWON_ONEVALUE;
    cap.ItemType = TWTY_INT16;
    cap.Item = static_cast<TW_UINT32>(static_cast<TW_UINT16>(static_cast<TW_INT16>(nCount)));
    if (Call(&m_SourceId, DG_CONTROL, DAT_CAPABILITY, MSG_SET, &cap)) {
        m_nTransferCount = nCount;
        return true;
    }
    // The source keeps a value of its own: take it.
    if (m_nLastReturnCode != TWRC_CHECKSTATUS)
        return false;
    if (!Call(&m_SourceId, DG_CONTROL, DAT_CAPABILITY, MSG_GET, &cap))
        return false;
    const auto nCurrent = static_cast<TW_INT16>(static_cast<TW_UINT16>(cap.Item));
    cap.Item = static_cast<TW_UINT32>(static_cast<TW_UINT16>(nCurrent));
    if (!Call(&m_SourceId, DG_CONTROL, DAT_CAPABILITY, MSG_SET, &cap))
        return false;
    m_nTransferCount = nCurrent;
    return true;
}

bool CTwain::SetResolution(double dDpi)
{
    if (!m_bSourceOpen || !(dDpi > 0) || dDpi >= 32768)
        return false;
    const double dWhole = std::floor(dDpi);
    const TW_UINT32 nFix = static_cast<TW_UINT32>(static_cast<TW_UINT16>(static_cast<int>(dWhole))) |
                           (static_cast<TW_UINT32>(std::lround((dDpi - dWhole) * 65536) & 0xFFFF) << 16);
    for (TW_UINT16 nCap : {ICAP_XRESOLUTION, ICAP_YRESOLUTION}) {
        TW_CAPABILITY cap;
        cap.Cap = nCap;
        cap.ConType = TWON_ONEVALUE;
        cap.ItemType = TWTY_FIX32;
        cap.Item = nFix;
        if (!Call(&m_SourceId, DG_CONTROL, DAT_CAPABILITY, MSG_SET, &cap))
            return false;
    }
    return true;
}

bool CTwain::EnableSource(int nCount, bool bShowInterface)
{
    m_TransferFailure = CFailure();
    if (!OpenSource())
        return false;
    // A source that takes no transfer count still transfers: the count is a wish.
    SetTransferCount(nCount);
    TW_USERINTERFACE ui;
    ui.ShowUI = bShowInterface ? 1 : 0;
    ui.ModalUI = 0;
    ui.hParent = m_pWindow;
    if (Call(&m_SourceId, DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, &ui)) {
        m_bSourceEnabled = true;
        m_nModalUI = ui.ModalUI;
    }
    return m_bSourceEnabled;
}

void CTwain::DisableSource()
{
    if (!m_bSourceEnabled)
        return;
    TW_USERINTERFACE ui;
    ui.hParent = m_pWindow;
    if (Call(&m_SourceId, DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &ui))
        m_bSourceEnabled = false;
}

void CTwain::CloseSource()
{
    DisableSource();
    if (m_bSourceOpen && !m_bSourceEnabled &&
        Call(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, &m_SourceId))
        m_bSourceOpen = false;
}

int CTwain::OnImageInfo(const TW_IMAGEINFO& /*info*/)
{
    return 0;
}

bool CTwain::OnCloseRequest()
{
    return true;
}

void CTwain::OnTransferReady()
{
    TransferImages();
}

bool CTwain::ProcessMessage(uint32_t nMessage)
{
    if (!m_bSourceEnabled || m_pSourceManager == nullptr)
        return false;
    TW_EVENT event;
    event.pEvent = &nMessage;
    event.TWMessage = MSG_NULL;
    if (!Call(&m_SourceId, DG_CONTROL, DAT_EVENT, MSG_PROCESSEVENT, &event, TWRC_DSEVENT))
        return false;
    switch (event.TWMessage) {
        case MSG_XFERREADY:
            OnTransferReady();
            break;
        case MSG_CLOSEDSREQ:
            if (OnCloseRequest())
                CloseSource();
            break;
        default:
            break;
    }
    return true;
}

void CTwain::RecordTransferFailure(TW_UINT16 nReturnCode)
{
    m_TransferFailure.nReturnCode = nReturnCode == TWRC_SUCCESS ? TWRC_FAILURE : nReturnCode;
    m_TransferFailure.nConditionCode = nReturnCode == TWRC_CANCEL ? TWCC_SUCCESS : m_nLastConditionCode;
}

void CTwain::TransferImages()
{
    TW_PENDINGXFERS pending;
    do {
        TW_IMAGEINFO info;
        std::vector<uint8_t> dib;
        if (!Call(&m_SourceId, DG_IMAGE, DAT_IMAGEINFO, MSG_GET, &info) || OnImageInfo(info) != 0 ||
            !Call(&m_SourceId, DG_IMAGE, DAT_IMAGENATIVEXFER, MSG_GET, &dib, TWRC_XFERDONE)) {
            RecordTransferFailure(m_nLastReturnCode);
            Call(&m_SourceId, DG_CONTROL, DAT_PENDINGXFERS, MSG_RESET, &pending);
            return;
        }
        OnImageAcquired(dib, info);
        // The picture's memory is given back at once.
        std::vector<uint8_t>().swap(dib);
        // After the first picture the source is closed already: this ends the loop.
        if (!Call(&m_SourceId, DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, &pending))
            return;
    } while (pending.Count != 0);
}
