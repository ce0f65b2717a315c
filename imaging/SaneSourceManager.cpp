#include "imaging/SaneSourceManager.h"

#include <cmath>
#include <cstring>
#include <memory>
#include <utility>

#include <sane/sane.h>
#include <sane/saneopts.h>

#include "imaging/AbstractSourceChooser.h"
#include "imaging/AbstractTwainWindow.h"
#include "imaging/BoundedWork.h"
#include "imaging/SaneOptions.h"
#include "imaging/SaneSession.h"
#include "imaging/ScanProgress.h"
#include "imaging/Twain.h"
#include "platform/WaitCursor.h"

namespace {

// A device that keeps answering "nothing yet" this many times in a row has stopped.
constexpr int kMaxEmptyReads = 10000;
constexpr size_t kReadBlock = 64 * 1024;
constexpr size_t kMaxExtraBytes = 16 * kReadBlock;
std::atomic<long long> g_nStallMs{30000};
// A preview is scanned at this resolution, or the nearest the device offers.
constexpr double kPreviewDpi = 50;

SANE_Handle Handle(void* h)
{
    return static_cast<SANE_Handle>(h);
}

bool ToFormat(int nFrame, CScanDibBuilder::Format& format)
{
    switch (nFrame) {
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

// The parameters of a frame as a device announces them, checked before any is used: the
// frame format is read as the number the device wrote (a value outside SANE_Frame would be
// undefined in the enum) and must be one the standard defines, the sizes positive (lines may
// be -1: not known in advance) and the depth one of 1, 8 or 16.
struct CFrameParameters {
    CScanDibBuilder::CFrame frame;
    bool bLastFrame = true;
    uint64_t ExpectedBytes() const
    {
        const uint64_t nFrames =
            frame.format == CScanDibBuilder::Format::Gray || frame.format == CScanDibBuilder::Format::Rgb ? 1
                                                                                                          : 3;
        return frame.nLines > 0 ? static_cast<uint64_t>(frame.nLines) *
                                      static_cast<uint64_t>(frame.nBytesPerLine) * nFrames
                                : 0;
    }
};

SANE_Status GetFrameParameters(SANE_Handle h, CFrameParameters& parameters)
{
    SANE_Parameters raw;
    std::memset(&raw, 0, sizeof(raw));
    const SANE_Status status = sane_get_parameters(h, &raw);
    if (status != SANE_STATUS_GOOD)
        return status;
    int nFormat = 0;
    static_assert(sizeof(raw.format) == sizeof(nFormat), "SANE_Frame is stored as an int");
    std::memcpy(&nFormat, &raw.format, sizeof(nFormat));
    CScanDibBuilder::CFrame& frame = parameters.frame;
    if (!ToFormat(nFormat, frame.format) || raw.pixels_per_line <= 0 || raw.bytes_per_line <= 0 ||
        raw.lines == 0 || raw.lines < -1 || (raw.depth != 1 && raw.depth != 8 && raw.depth != 16))
        return SANE_STATUS_UNSUPPORTED;
    frame.nBytesPerLine = raw.bytes_per_line;
    frame.nPixelsPerLine = raw.pixels_per_line;
    frame.nLines = raw.lines;
    frame.nDepth = raw.depth;
    parameters.bLastFrame = raw.last_frame != SANE_FALSE;
    return SANE_STATUS_GOOD;
}

// Reads the frames of a scan started, into builder; a SANE status. Runs on a thread of its
// own (CBoundedWork): it uses nothing but what it is given.
SANE_Status ReadFrames(SANE_Handle h, CScanDibBuilder& builder, CScanProgress& progress,
                       std::atomic<uint64_t>& steps)
{
    std::vector<uint8_t> buffer(kReadBlock);
    for (bool bFirst = true;; bFirst = false) {
        if (!bFirst) {
            const SANE_Status status = sane_start(h);
            ++steps;
            if (status != SANE_STATUS_GOOD)
                return status;
        }
        CFrameParameters parameters;
        SANE_Status status = GetFrameParameters(h, parameters);
        if (status != SANE_STATUS_GOOD)
            return status;
        if (bFirst)
            progress.SetExpected(parameters.ExpectedBytes());
        if (!builder.StartFrame(parameters.frame))
            return SANE_STATUS_UNSUPPORTED;
        int nEmptyReads = 0;
        // Past the lines announced, the end of the frame is waited for only so long.
        size_t nExtraBytes = 0;
        while (!builder.IsFrameFull() || nExtraBytes < kMaxExtraBytes) {
            if (progress.IsCancelled())
                return SANE_STATUS_CANCELLED;
            if (builder.IsFrameFull())
                nExtraBytes += buffer.size();
            SANE_Int nRead = 0;
            status = sane_read(h, buffer.data(), static_cast<SANE_Int>(buffer.size()), &nRead);
            ++steps;
            // A device told to cancel may end its data as if the picture were over.
            if (progress.IsCancelled())
                return SANE_STATUS_CANCELLED;
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
            progress.AddReceived(static_cast<uint64_t>(nRead));
        }
        if (!builder.EndFrame())
            return SANE_STATUS_UNSUPPORTED;
        if (parameters.bLastFrame || builder.IsComplete())
            return builder.IsComplete() ? SANE_STATUS_GOOD : SANE_STATUS_UNSUPPORTED;
    }
}

}  // namespace

CSaneSourceManager::CSaneSourceManager(CAbstractSourceChooser& chooser,
                                       std::shared_ptr<CScanProgress> pProgress)
    : m_Chooser(chooser),
      m_pProgress(pProgress != nullptr ? std::move(pProgress) : std::make_shared<CScanProgress>())
{
}

CSaneSourceManager::~CSaneSourceManager()
{
    EndScan();
    CloseDevice();
}

void CSaneSourceManager::SetStallTime(std::chrono::milliseconds stall)
{
    g_nStallMs = stall.count();
}

void CSaneSourceManager::CloseDevice()
{
    // A device left in a call that never returned is never closed: its handle is in use.
    if (m_hDevice != nullptr && !m_bDeviceLost)
        sane_close(Handle(m_hDevice));
    m_hDevice = nullptr;
    m_bDeviceLost = false;
}

int CSaneSourceManager::RunBounded(const std::function<int(std::atomic<uint64_t>&)>& work)
{
    SANE_Handle h = Handle(m_hDevice);
    // The session stays open while the work may still be inside the library.
    std::shared_ptr<CSaneSession> pSession = m_pSession;
    const CBoundedWork::COutcome outcome =
        CBoundedWork::Run([work, pSession](std::atomic<uint64_t>& steps) { return work(steps); },
                          [h] { sane_cancel(h); }, std::chrono::milliseconds(g_nStallMs.load()));
    if (!outcome.bEnded)
        m_bDeviceLost = true;
    if (outcome.bStalled)
        return kStalled;
    return outcome.nResult;
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
        case kStalled:
            return TWCC_STALLED;
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
            return UserInterface(MSG, *static_cast<TW_USERINTERFACE*>(pData));
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
        auto pSession = std::make_shared<CSaneSession>();
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
            m_strOpenDevice = m_DeviceNames[identity.Id - 1];
            m_nTransferCount = 1;
            return TWRC_SUCCESS;
        }
        case MSG_CLOSEDS:
            if (m_hDevice == nullptr || m_bEnabled)
                return Fail(TWCC_SEQERROR);
            EndScan();
            CloseDevice();
            return TWRC_SUCCESS;
        default:
            return Fail(TWCC_BADPROTOCOL);
    }
}

double CSaneSourceManager::GetResolution() const
{
    double dDpi = 0;
    if (m_hDevice == nullptr || m_bDeviceLost)
        return 0;
    const CSaneOptions options(m_hDevice);
    return options.GetNumber(options.Find(SANE_NAME_SCAN_RESOLUTION), dDpi) ? dDpi : 0;
}

TW_UINT16 CSaneSourceManager::SetResolution(double dDpi)
{
    if (m_bDeviceLost)
        return Fail(TWCC_STALLED);
    const CSaneOptions options(m_hDevice);
    const CScanOffer offer = options.Offer();
    if (!offer.bResolution)
        return Fail(TWCC_BADCAP);
    // The device's own list or range decides; nothing it does not offer is asked of it.
    if (!offer.OffersResolution(dDpi))
        return Fail(TWCC_BADVALUE);
    const int nStatus = options.SetNumber(options.Find(SANE_NAME_SCAN_RESOLUTION), dDpi);
    return nStatus == SANE_STATUS_GOOD ? TWRC_SUCCESS : Fail(ConditionOf(nStatus));
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

TW_UINT16 CSaneSourceManager::UserInterface(TW_UINT16 MSG, const TW_USERINTERFACE& ui)
{
    if (m_hDevice == nullptr)
        return Fail(TWCC_SEQERROR);
    if (MSG == MSG_ENABLEDS) {
        if (m_bEnabled)
            return Fail(TWCC_SEQERROR);
        m_bEnabled = true;
        // The interface, when asked for, and then the scan come at the window's next message.
        m_bInterfacePending = ui.ShowUI != 0;
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
    if (m_bInterfacePending) {
        m_bInterfacePending = false;
        // The user closing the source's dialog closes the source, as a TWAIN source's own
        // window does.
        if (!ShowInterface())
            event.TWMessage = MSG_CLOSEDSREQ;
    }
    return TWRC_DSEVENT;
}

bool CSaneSourceManager::ShowInterface()
{
    const CSaneOptions options(m_hDevice);
    const CScanOffer offer = options.Offer();
    CScanSettings settings = options.Current();
    const bool bScan = m_Chooser.EditSettings(m_strOpenDevice, offer, settings, [this, &options, &offer] {
        // The whole bed at a low resolution, the device's preview mode on for the time of it.
        const CScanSettings kept = options.Current();
        CScanSettings whole = kept;
        whole.dLeft = whole.dTop = 0;
        whole.dRight = offer.dAreaWidth;
        whole.dBottom = offer.dAreaHeight;
        if (offer.bResolution)
            whole.dResolution =
                offer.resolutions.empty()
                    ? std::max(offer.dMinResolution, std::min(offer.dMaxResolution, kPreviewDpi))
                    : *std::min_element(offer.resolutions.begin(), offer.resolutions.end());
        options.SetPreview(true);
        options.Apply(whole);
        std::vector<uint8_t> dib;
        if (Scan(dib) != SANE_STATUS_GOOD)
            dib.clear();
        if (!m_bDeviceLost) {
            options.SetPreview(false);
            options.Apply(kept);
        }
        return dib;
    });
    if (bScan && !m_bDeviceLost)
        options.Apply(settings);
    return bScan && !m_bDeviceLost;
}

int CSaneSourceManager::StartScan()
{
    m_pProgress->Reset();
    m_dResolution = GetResolution();
    SANE_Handle h = Handle(m_hDevice);
    const int nStatus = RunBounded([h](std::atomic<uint64_t>&) { return static_cast<int>(sane_start(h)); });
    if (nStatus != SANE_STATUS_GOOD) {
        if (!m_bDeviceLost)
            sane_cancel(h);
        return nStatus;
    }
    m_bScanning = true;
    return nStatus;
}

int CSaneSourceManager::Scan(std::vector<uint8_t>& dib)
{
    int nStatus = StartScan();
    if (nStatus == SANE_STATUS_GOOD)
        nStatus = ReadScan(dib);
    EndScan();
    return nStatus;
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
    if (m_bScanning && m_hDevice != nullptr && !m_bDeviceLost)
        sane_cancel(Handle(m_hDevice));
    m_bScanning = false;
}

TW_UINT16 CSaneSourceManager::ImageInfo(TW_IMAGEINFO& info)
{
    if (m_hDevice == nullptr || !m_bEnabled)
        return Fail(TWCC_SEQERROR);
    if (m_bDeviceLost)
        return Fail(TWCC_STALLED);
    if (!m_bScanning) {
        const int nStatus = StartScan();
        if (nStatus != SANE_STATUS_GOOD)
            return nStatus == SANE_STATUS_CANCELLED ? TWRC_CANCEL : Fail(ConditionOf(nStatus));
    }
    CFrameParameters parameters;
    const SANE_Status status = GetFrameParameters(Handle(m_hDevice), parameters);
    if (status != SANE_STATUS_GOOD) {
        EndScan();
        return Fail(status == SANE_STATUS_UNSUPPORTED ? TWCC_BADPICTURE : ConditionOf(status));
    }
    const CScanDibBuilder::CFrame& frame = parameters.frame;
    info = TW_IMAGEINFO();
    info.XResolution = info.YResolution = ToFix32(m_dResolution);
    info.ImageWidth = frame.nPixelsPerLine;
    info.ImageLength = frame.nLines;
    const bool bColor = frame.format != CScanDibBuilder::Format::Gray;
    info.SamplesPerPixel = bColor ? 3 : 1;
    for (int i = 0; i < info.SamplesPerPixel; ++i)
        info.BitsPerSample[i] = static_cast<TW_INT16>(frame.nDepth);
    info.BitsPerPixel = static_cast<TW_INT16>(info.SamplesPerPixel * frame.nDepth);
    info.Planar =
        frame.format == CScanDibBuilder::Format::Gray || frame.format == CScanDibBuilder::Format::Rgb ? 0 : 1;
    info.PixelType = bColor ? TWPT_RGB : (frame.nDepth == 1 ? TWPT_BW : TWPT_GRAY);
    return TWRC_SUCCESS;
}

TW_UINT16 CSaneSourceManager::NativeTransfer(std::vector<uint8_t>& dib)
{
    if (!m_bScanning)
        return Fail(TWCC_SEQERROR);
    const int nStatus = ReadScan(dib);
    EndScan();
    if (nStatus == SANE_STATUS_GOOD)
        return TWRC_XFERDONE;
    if (nStatus == SANE_STATUS_CANCELLED)
        return TWRC_CANCEL;
    return Fail(nStatus == SANE_STATUS_UNSUPPORTED ? TWCC_BADPICTURE : ConditionOf(nStatus));
}

int CSaneSourceManager::ReadScan(std::vector<uint8_t>& dib)
{
    // The reading owns what it fills: it may outlive this call when the device stops answering.
    auto pBuilder = std::make_shared<CScanDibBuilder>();
    std::shared_ptr<CScanProgress> pProgress = m_pProgress;
    SANE_Handle h = Handle(m_hDevice);
    pProgress->SetCancelAction([h] { sane_cancel(h); });
    int nStatus = RunBounded([h, pBuilder, pProgress](std::atomic<uint64_t>& steps) {
        try {
            return static_cast<int>(ReadFrames(h, *pBuilder, *pProgress, steps));
        } catch (const std::bad_alloc&) {
            return static_cast<int>(SANE_STATUS_NO_MEM);
        }
    });
    pProgress->SetCancelAction(nullptr);
    if (nStatus == SANE_STATUS_GOOD) {
        try {
            dib = pBuilder->TakeDib(m_dResolution);
        } catch (const std::bad_alloc&) {
            nStatus = SANE_STATUS_NO_MEM;
        }
    }
    return nStatus;
}
