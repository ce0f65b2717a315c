#include "imaging/SaneSourceManager.h"

#include <cmath>
#include <cstring>

#include <sane/sane.h>
#include <sane/saneopts.h>

#include "imaging/AbstractSourceChooser.h"
#include "imaging/AbstractTwainWindow.h"
#include "imaging/SaneSession.h"
#include "imaging/Twain.h"
#include "platform/WaitCursor.h"

namespace {

// A device that keeps answering "nothing yet" this many times in a row has stopped.
constexpr int kMaxEmptyReads = 10000;
constexpr size_t kReadBlock = 64 * 1024;
constexpr size_t kMaxExtraBytes = 16 * kReadBlock;

SANE_Handle Handle(void* h)
{
    return static_cast<SANE_Handle>(h);
}

bool ToFormat(SANE_Frame frame, CScanDibBuilder::Format& format)
{
    switch (frame) {
        case SANE_FRAME_GRAY:
            format = CScanDibBuilder::Format::Gray;
            return true;
        case SANE_FRAME_RGB:
            format = CScanDibBuilder::Format::Rgb;
            return true;
        case SANE_FRAME_RED:
            format = CScanDibBuilder::Format::Red;
            return true;
        case SANE_FRAME_GREEN:
            format = CScanDibBuilder::Format::Green;
            return true;
        case SANE_FRAME_BLUE:
            format = CScanDibBuilder::Format::Blue;
            return true;
        default:
            return false;
    }
}

TW_FIX32 ToFix32(double dValue)
{
    TW_FIX32 fix;
    const double dWhole = std::floor(dValue);
    fix.Whole = static_cast<TW_INT16>(dWhole);
    fix.Frac = static_cast<TW_UINT16>(std::lround((dValue - dWhole) * 65536) & 0xFFFF);
    return fix;
}

double FromFix32(TW_UINT32 nItem)
{
    return static_cast<TW_INT16>(nItem & 0xFFFF) + static_cast<double>(nItem >> 16) / 65536.0;
}

}  // namespace

CSaneSourceManager::CSaneSourceManager(CAbstractSourceChooser& chooser) : m_Chooser(chooser) {}

CSaneSourceManager::~CSaneSourceManager()
{
    EndScan();
    if (m_hDevice != nullptr)
        sane_close(Handle(m_hDevice));
}

TW_UINT16 CSaneSourceManager::Fail(TW_UINT16 nCondition)
{
    m_nCondition = nCondition;
    return TWRC_FAILURE;
}

TW_UINT16 CSaneSourceManager::ConditionOf(int nStatus)
{
    switch (nStatus) {
        case SANE_STATUS_DEVICE_BUSY:
        case SANE_STATUS_IO_ERROR:
            return TWCC_CHECKDEVICEONLINE;
        case SANE_STATUS_JAMMED:
            return TWCC_PAPERJAM;
        case SANE_STATUS_NO_DOCS:
            return TWCC_NOMEDIA;
        case SANE_STATUS_COVER_OPEN:
            return TWCC_INTERLOCK;
        case SANE_STATUS_NO_MEM:
            return TWCC_LOWMEMORY;
        case SANE_STATUS_ACCESS_DENIED:
            return TWCC_DENIED;
        default:
            return TWCC_OPERATIONERROR;
    }
}

TW_UINT16 CSaneSourceManager::Entry(TW_IDENTITY* /*pOrigin*/, TW_IDENTITY* pDest, TW_UINT32 DG, TW_UINT16 DAT,
                                    TW_UINT16 MSG, TW_MEMREF pData)
{
    if (DG == DG_CONTROL && DAT == DAT_STATUS && MSG == MSG_GET && pData != nullptr) {
        static_cast<TW_STATUS*>(pData)->ConditionCode = m_nCondition;
        m_nCondition = TWCC_SUCCESS;
        return TWRC_SUCCESS;
    }
    if (DG == DG_CONTROL && DAT == DAT_PARENT)
        return Parent(MSG, pData);
    if (m_pSession == nullptr)
        return Fail(TWCC_SEQERROR);
    if (pData == nullptr)
        return Fail(TWCC_BADVALUE);
    if (DG == DG_CONTROL)
        return Control(pDest, DAT, MSG, pData);
    if (DG == DG_IMAGE && DAT == DAT_IMAGEINFO && MSG == MSG_GET)
        return ImageInfo(*static_cast<TW_IMAGEINFO*>(pData));
    if (DG == DG_IMAGE && DAT == DAT_IMAGENATIVEXFER && MSG == MSG_GET)
        return NativeTransfer(*static_cast<std::vector<uint8_t>*>(pData));
    return Fail(TWCC_BADPROTOCOL);
}

TW_UINT16 CSaneSourceManager::Control(TW_IDENTITY* /*pDest*/, TW_UINT16 DAT, TW_UINT16 MSG, TW_MEMREF pData)
{
    switch (DAT) {
        case DAT_IDENTITY:
            return Identity(MSG, *static_cast<TW_IDENTITY*>(pData));
        case DAT_CAPABILITY:
            return Capability(MSG, *static_cast<TW_CAPABILITY*>(pData));
        case DAT_USERINTERFACE:
            return UserInterface(MSG);
        case DAT_EVENT:
            return MSG == MSG_PROCESSEVENT ? ProcessEvent(*static_cast<TW_EVENT*>(pData))
                                           : Fail(TWCC_BADPROTOCOL);
        case DAT_PENDINGXFERS:
            return PendingTransfers(MSG, *static_cast<TW_PENDINGXFERS*>(pData));
        default:
            return Fail(TWCC_BADPROTOCOL);
    }
}

TW_UINT16 CSaneSourceManager::Parent(TW_UINT16 MSG, TW_MEMREF pData)
{
    if (MSG == MSG_OPENDSM) {
        if (m_pSession != nullptr || pData == nullptr)
            return Fail(TWCC_SEQERROR);
        auto pSession = std::make_unique<CSaneSession>();
        if (!pSession->IsOpen())
            return Fail(TWCC_BUMMER);
        m_pSession = std::move(pSession);
        m_pWindow = static_cast<CAbstractTwainWindow*>(pData);
        return TWRC_SUCCESS;
    }
    if (MSG == MSG_CLOSEDSM) {
        if (m_pSession == nullptr || m_hDevice != nullptr)
            return Fail(TWCC_SEQERROR);
        m_pSession.reset();
        m_pWindow = nullptr;
        return TWRC_SUCCESS;
    }
    return Fail(TWCC_BADPROTOCOL);
}

void CSaneSourceManager::MakeIdentity(const std::string& strName, const std::string& strVendor,
                                      const std::string& strModel, const std::string& strType,
                                      TW_IDENTITY& identity)
{
    size_t nIndex = 0;
    while (nIndex < m_DeviceNames.size() && m_DeviceNames[nIndex] != strName)
        ++nIndex;
    if (nIndex == m_DeviceNames.size())
        m_DeviceNames.push_back(strName);
    identity = TW_IDENTITY();
    identity.Id = static_cast<TW_UINT32>(nIndex + 1);
    identity.ProtocolMajor = 1;
    identity.ProtocolMinor = 8;
    identity.SupportedGroups = DG_CONTROL | DG_IMAGE;
    CTwain::SetString(identity.Manufacturer, strVendor);
    CTwain::SetString(identity.ProductFamily, strType);
    CTwain::SetString(identity.ProductName, strModel.empty() ? strName : strModel);
}

TW_UINT16 CSaneSourceManager::Identity(TW_UINT16 MSG, TW_IDENTITY& identity)
{
    switch (MSG) {
        case MSG_GETDEFAULT: {
            const std::string strRemembered = m_Chooser.GetRememberedDevice();
            if (!strRemembered.empty()) {
                MakeIdentity(strRemembered, std::string(), std::string(), std::string(), identity);
                return TWRC_SUCCESS;
            }
            // Looking on the network can take seconds: the default is found on this computer.
            std::vector<CScannerDevice> devices;
            if (!m_pSession->ListDevices(true, devices) || devices.empty())
                return Fail(TWCC_NODS);
            const CScannerDevice& first = devices.front();
            MakeIdentity(first.strName, first.strVendor, first.strModel, first.strType, identity);
            return TWRC_SUCCESS;
        }
        case MSG_USERSELECT: {
            std::vector<CScannerDevice> devices;
            {
                CWaitCursor wait;
                m_pSession->ListDevices(false, devices);
            }
            if (devices.empty())
                return Fail(TWCC_NODS);
            int nCurrent = -1;
            if (identity.Id >= 1 && identity.Id <= m_DeviceNames.size()) {
                for (size_t i = 0; i < devices.size(); ++i)
                    if (devices[i].strName == m_DeviceNames[identity.Id - 1])
                        nCurrent = static_cast<int>(i);
            }
            const int nChosen = m_Chooser.ChooseDevice(devices, nCurrent);
            if (nChosen < 0 || static_cast<size_t>(nChosen) >= devices.size())
                return TWRC_CANCEL;
            const CScannerDevice& chosen = devices[static_cast<size_t>(nChosen)];
            MakeIdentity(chosen.strName, chosen.strVendor, chosen.strModel, chosen.strType, identity);
            m_Chooser.RememberDevice(chosen.strName);
            return TWRC_SUCCESS;
        }
        case MSG_OPENDS: {
            if (m_hDevice != nullptr)
                return Fail(TWCC_SEQERROR);
            if (identity.Id < 1 || identity.Id > m_DeviceNames.size())
                return Fail(TWCC_NODS);
            SANE_Handle h = nullptr;
            const SANE_Status status = sane_open(m_DeviceNames[identity.Id - 1].c_str(), &h);
            if (status != SANE_STATUS_GOOD || h == nullptr)
                return Fail(status == SANE_STATUS_INVAL ? TWCC_NODS : ConditionOf(status));
            m_hDevice = h;
            m_nTransferCount = 1;
            return TWRC_SUCCESS;
        }
        case MSG_CLOSEDS:
            if (m_hDevice == nullptr || m_bEnabled)
                return Fail(TWCC_SEQERROR);
            EndScan();
            sane_close(Handle(m_hDevice));
            m_hDevice = nullptr;
            return TWRC_SUCCESS;
        default:
            return Fail(TWCC_BADPROTOCOL);
    }
}

int CSaneSourceManager::ResolutionOption() const
{
    for (SANE_Int n = 1;; ++n) {
        const SANE_Option_Descriptor* pOption = sane_get_option_descriptor(Handle(m_hDevice), n);
        if (pOption == nullptr)
            return -1;
        if (pOption->name != nullptr && std::strcmp(pOption->name, SANE_NAME_SCAN_RESOLUTION) == 0 &&
            (pOption->type == SANE_TYPE_INT || pOption->type == SANE_TYPE_FIXED) && pOption->size >= 1)
            return n;
    }
}

double CSaneSourceManager::GetResolution() const
{
    const int nOption = m_hDevice != nullptr ? ResolutionOption() : -1;
    if (nOption < 0)
        return 0;
    const SANE_Option_Descriptor* pOption = sane_get_option_descriptor(Handle(m_hDevice), nOption);
    if (pOption == nullptr || !SANE_OPTION_IS_ACTIVE(pOption->cap) ||
        pOption->size != static_cast<SANE_Int>(sizeof(SANE_Word)))
        return 0;
    SANE_Word nValue = 0;
    if (sane_control_option(Handle(m_hDevice), nOption, SANE_ACTION_GET_VALUE, &nValue, nullptr) !=
        SANE_STATUS_GOOD)
        return 0;
    return pOption->type == SANE_TYPE_FIXED ? SANE_UNFIX(nValue) : static_cast<double>(nValue);
}

TW_UINT16 CSaneSourceManager::SetResolution(double dDpi)
{
    const int nOption = ResolutionOption();
    if (nOption < 0)
        return Fail(TWCC_BADCAP);
    const SANE_Option_Descriptor* pOption = sane_get_option_descriptor(Handle(m_hDevice), nOption);
    if (pOption == nullptr || !SANE_OPTION_IS_SETTABLE(pOption->cap) ||
        !SANE_OPTION_IS_ACTIVE(pOption->cap) || pOption->size != static_cast<SANE_Int>(sizeof(SANE_Word)))
        return Fail(TWCC_BADCAP);
    const bool bFixed = pOption->type == SANE_TYPE_FIXED;
    const auto toDouble = [bFixed](SANE_Word n) { return bFixed ? SANE_UNFIX(n) : static_cast<double>(n); };
    // The device's own list or range decides; nothing it does not offer is asked of it.
    bool bOffered = pOption->constraint_type == SANE_CONSTRAINT_NONE;
    if (pOption->constraint_type == SANE_CONSTRAINT_RANGE && pOption->constraint.range != nullptr) {
        const SANE_Range& range = *pOption->constraint.range;
        bOffered = dDpi >= toDouble(range.min) - 1e-6 && dDpi <= toDouble(range.max) + 1e-6;
    } else if (pOption->constraint_type == SANE_CONSTRAINT_WORD_LIST &&
               pOption->constraint.word_list != nullptr) {
        const SANE_Word* list = pOption->constraint.word_list;
        for (SANE_Int i = 1; i <= list[0] && i < 10000; ++i)
            bOffered = bOffered || std::fabs(toDouble(list[i]) - dDpi) < 1e-3;
    }
    if (!bOffered)
        return Fail(TWCC_BADVALUE);
    SANE_Word nValue = bFixed ? SANE_FIX(dDpi) : static_cast<SANE_Word>(std::lround(dDpi));
    const SANE_Status status =
        sane_control_option(Handle(m_hDevice), nOption, SANE_ACTION_SET_VALUE, &nValue, nullptr);
    return status == SANE_STATUS_GOOD ? TWRC_SUCCESS : Fail(ConditionOf(status));
}

TW_UINT16 CSaneSourceManager::Capability(TW_UINT16 MSG, TW_CAPABILITY& cap)
{
    if (m_hDevice == nullptr)
        return Fail(TWCC_SEQERROR);
    if (cap.Cap == CAP_XFERCOUNT && MSG == MSG_GET) {
        cap.ConType = TWON_ONEVALUE;
        cap.ItemType = TWTY_INT16;
        cap.Item = static_cast<TW_UINT16>(static_cast<TW_INT16>(m_nTransferCount));
        return TWRC_SUCCESS;
    }
    if (MSG != MSG_SET || cap.ConType != TWON_ONEVALUE)
        return Fail(TWCC_BADCAP);
    if (cap.Cap == CAP_XFERCOUNT && cap.ItemType == TWTY_INT16) {
        m_nTransferCount = static_cast<TW_INT16>(static_cast<TW_UINT16>(cap.Item));
        return TWRC_SUCCESS;
    }
    if ((cap.Cap == ICAP_XRESOLUTION || cap.Cap == ICAP_YRESOLUTION) && cap.ItemType == TWTY_FIX32) {
        const double dDpi = FromFix32(cap.Item);
        // A SANE device has one resolution for both directions.
        if (cap.Cap == ICAP_YRESOLUTION)
            return std::fabs(GetResolution() - dDpi) < 0.5 ? TWRC_SUCCESS : Fail(TWCC_BADVALUE);
        return SetResolution(dDpi);
    }
    return Fail(TWCC_BADCAP);
}

void CSaneSourceManager::Post(TW_UINT16 nMessage)
{
    m_nPendingMessage = nMessage;
    if (m_pWindow != nullptr)
        m_pWindow->PostSourceMessage(kSourceMessage);
}

TW_UINT16 CSaneSourceManager::UserInterface(TW_UINT16 MSG)
{
    if (m_hDevice == nullptr)
        return Fail(TWCC_SEQERROR);
    if (MSG == MSG_ENABLEDS) {
        if (m_bEnabled)
            return Fail(TWCC_SEQERROR);
        m_bEnabled = true;
        // No interface of its own to show: the scan starts at the window's next message.
        Post(MSG_XFERREADY);
        return TWRC_SUCCESS;
    }
    if (MSG == MSG_DISABLEDS) {
        if (!m_bEnabled)
            return Fail(TWCC_SEQERROR);
        EndScan();
        m_bEnabled = false;
        m_nPendingMessage = MSG_NULL;
        return TWRC_SUCCESS;
    }
    return Fail(TWCC_BADPROTOCOL);
}

TW_UINT16 CSaneSourceManager::ProcessEvent(TW_EVENT& event)
{
    event.TWMessage = MSG_NULL;
    const auto* pMessage = static_cast<const uint32_t*>(event.pEvent);
    if (!m_bEnabled || pMessage == nullptr || *pMessage != kSourceMessage || m_nPendingMessage == MSG_NULL)
        return TWRC_NOTDSEVENT;
    event.TWMessage = m_nPendingMessage;
    m_nPendingMessage = MSG_NULL;
    return TWRC_DSEVENT;
}

TW_UINT16 CSaneSourceManager::PendingTransfers(TW_UINT16 MSG, TW_PENDINGXFERS& pending)
{
    if (m_hDevice == nullptr || !m_bEnabled)
        return Fail(TWCC_SEQERROR);
    if (MSG != MSG_ENDXFER && MSG != MSG_RESET)
        return Fail(TWCC_BADPROTOCOL);
    // One picture an acquisition; then the source, having no window the user could close,
    // asks to be closed.
    EndScan();
    pending.Count = 0;
    Post(MSG_CLOSEDSREQ);
    return TWRC_SUCCESS;
}

void CSaneSourceManager::EndScan()
{
    if (m_bScanning && m_hDevice != nullptr)
        sane_cancel(Handle(m_hDevice));
    m_bScanning = false;
}

TW_UINT16 CSaneSourceManager::ImageInfo(TW_IMAGEINFO& info)
{
    if (m_hDevice == nullptr || !m_bEnabled)
        return Fail(TWCC_SEQERROR);
    if (!m_bScanning) {
        m_dResolution = GetResolution();
        const SANE_Status status = sane_start(Handle(m_hDevice));
        if (status != SANE_STATUS_GOOD) {
            sane_cancel(Handle(m_hDevice));
            return status == SANE_STATUS_CANCELLED ? TWRC_CANCEL : Fail(ConditionOf(status));
        }
        m_bScanning = true;
    }
    SANE_Parameters parameters;
    const SANE_Status status = sane_get_parameters(Handle(m_hDevice), &parameters);
    if (status != SANE_STATUS_GOOD) {
        EndScan();
        return Fail(ConditionOf(status));
    }
    info = TW_IMAGEINFO();
    info.XResolution = info.YResolution = ToFix32(m_dResolution);
    info.ImageWidth = parameters.pixels_per_line;
    info.ImageLength = parameters.lines;
    const bool bColor = parameters.format != SANE_FRAME_GRAY;
    info.SamplesPerPixel = bColor ? 3 : 1;
    for (int i = 0; i < info.SamplesPerPixel; ++i)
        info.BitsPerSample[i] = static_cast<TW_INT16>(parameters.depth);
    info.BitsPerPixel = static_cast<TW_INT16>(info.SamplesPerPixel * parameters.depth);
    info.Planar = parameters.format == SANE_FRAME_GRAY || parameters.format == SANE_FRAME_RGB ? 0 : 1;
    info.PixelType = bColor ? TWPT_RGB : (parameters.depth == 1 ? TWPT_BW : TWPT_GRAY);
    return TWRC_SUCCESS;
}

int CSaneSourceManager::ReadFrames(CScanDibBuilder& builder)
{
    std::vector<uint8_t> buffer(kReadBlock);
    for (bool bFirst = true;; bFirst = false) {
        if (!bFirst) {
            const SANE_Status status = sane_start(Handle(m_hDevice));
            if (status != SANE_STATUS_GOOD)
                return status;
        }
        SANE_Parameters parameters;
        SANE_Status status = sane_get_parameters(Handle(m_hDevice), &parameters);
        if (status != SANE_STATUS_GOOD)
            return status;
        CScanDibBuilder::CFrame frame;
        if (!ToFormat(parameters.format, frame.format))
            return SANE_STATUS_UNSUPPORTED;
        frame.nBytesPerLine = parameters.bytes_per_line;
        frame.nPixelsPerLine = parameters.pixels_per_line;
        frame.nLines = parameters.lines;
        frame.nDepth = parameters.depth;
        if (!builder.StartFrame(frame))
            return SANE_STATUS_UNSUPPORTED;
        int nEmptyReads = 0;
        // Past the lines announced, the end of the frame is waited for only so long.
        size_t nExtraBytes = 0;
        while (!builder.IsFrameFull() || nExtraBytes < kMaxExtraBytes) {
            if (builder.IsFrameFull())
                nExtraBytes += buffer.size();
            SANE_Int nRead = 0;
            status =
                sane_read(Handle(m_hDevice), buffer.data(), static_cast<SANE_Int>(buffer.size()), &nRead);
            if (status == SANE_STATUS_EOF)
                break;
            if (status != SANE_STATUS_GOOD)
                return status;
            if (nRead < 0 || static_cast<size_t>(nRead) > buffer.size())
                return SANE_STATUS_UNSUPPORTED;
            nEmptyReads = nRead == 0 ? nEmptyReads + 1 : 0;
            if (nEmptyReads > kMaxEmptyReads)
                return SANE_STATUS_IO_ERROR;
            if (!builder.Feed(buffer.data(), static_cast<size_t>(nRead)))
                return SANE_STATUS_UNSUPPORTED;
        }
        if (!builder.EndFrame())
            return SANE_STATUS_UNSUPPORTED;
        if (parameters.last_frame || builder.IsComplete())
            return builder.IsComplete() ? SANE_STATUS_GOOD : SANE_STATUS_UNSUPPORTED;
    }
}

TW_UINT16 CSaneSourceManager::NativeTransfer(std::vector<uint8_t>& dib)
{
    if (!m_bScanning)
        return Fail(TWCC_SEQERROR);
    CScanDibBuilder builder;
    int nStatus = SANE_STATUS_GOOD;
    try {
        nStatus = ReadFrames(builder);
        if (nStatus == SANE_STATUS_GOOD)
            dib = builder.TakeDib(m_dResolution);
    } catch (const std::bad_alloc&) {
        nStatus = SANE_STATUS_NO_MEM;
    }
    EndScan();
    if (nStatus == SANE_STATUS_GOOD)
        return TWRC_XFERDONE;
    if (nStatus == SANE_STATUS_CANCELLED)
        return TWRC_CANCEL;
    return Fail(nStatus == SANE_STATUS_UNSUPPORTED ? TWCC_BADPICTURE : ConditionOf(nStatus));
}
