#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "imaging/AbstractSourceManager.h"
#include "imaging/ScanDibBuilder.h"

class CAbstractSourceChooser;
class CAbstractTwainWindow;
class CSaneSession;
class CScanProgress;

// A TWAIN source manager made of the system's scanner library (SANE): its sources are the
// SANE devices. The default source is the device the user chose last (as the chooser
// remembers it), else the first device found on this computer; "user select" lists every
// device, the network's too, and lets the chooser's user pick one. A source enabled with its
// interface shows, at the window's next message, its settings dialog (the chooser's
// EditSettings: resolution, colour mode and area from the device's SANE options, and a
// preview where the device has one), then reports a picture ready, or asks to be closed when
// the user cancels; enabled without its interface it reports a picture ready at once, to be
// scanned as the device is set. The picture is transferred natively as a packed
// device-independent bitmap (CScanDibBuilder). After a reset it asks to be closed, as a
// source without a window of its own must.
//
// What a device reports is untrusted: the frame parameters are checked before any is used,
// the option list is read no further than the count it announces (and never past 1000
// options), the data goes through CScanDibBuilder's checks, and a device that sends nothing
// fails. The calls that wait for the device (starting a scan, reading it) run on a thread of
// their own and are waited for while the device keeps answering: one that takes no step for
// the stall time (30 s) is cancelled, and one that does not return from that either is left
// behind with its device, which is not used again (TWCC_STALLED). Failures are condition
// codes of the standard (TWCC_PAPERJAM, TWCC_NOMEDIA, ...), TWCC_BADPICTURE and
// TWCC_STALLED; a scan the device or the user (through the progress) cancels is TWRC_CANCEL.
//
// A transfer may run on another thread than the rest of the protocol, one call at a time.
// The progress of each scan goes to pProgress (shared with the window, which may cancel
// through it); the chooser is not owned and must outlive this object.
class CSaneSourceManager : public CAbstractSourceManager {
public:
    // The message a source posts to the window when it has something to say.
    static constexpr uint32_t kSourceMessage = 0x8069;

    explicit CSaneSourceManager(CAbstractSourceChooser& chooser,
                                std::shared_ptr<CScanProgress> pProgress = nullptr);
    ~CSaneSourceManager() override;

    // How long a device may take no step before it is taken as stalled (for every manager).
    static void SetStallTime(std::chrono::milliseconds stall);

    TW_UINT16 Entry(TW_IDENTITY* pOrigin, TW_IDENTITY* pDest, TW_UINT32 DG, TW_UINT16 DAT, TW_UINT16 MSG,
                    TW_MEMREF pData) override;

private:
    TW_UINT16 Fail(TW_UINT16 nCondition);
    TW_UINT16 Control(TW_IDENTITY* pDest, TW_UINT16 DAT, TW_UINT16 MSG, TW_MEMREF pData);
    TW_UINT16 Parent(TW_UINT16 MSG, TW_MEMREF pData);
    TW_UINT16 Identity(TW_UINT16 MSG, TW_IDENTITY& identity);
    TW_UINT16 Capability(TW_UINT16 MSG, TW_CAPABILITY& cap);
    TW_UINT16 UserInterface(TW_UINT16 MSG, const TW_USERINTERFACE& ui);
    // The source's dialog (the chooser's EditSettings); false when the user cancels.
    bool ShowInterface();
    // Starts a scan (under the stall bound); a SANE status, or kStalled.
    int StartScan();
    // Reads the scan started into a packed bitmap (under the stall bound).
    int ReadScan(std::vector<uint8_t>& dib);
    // A whole scan (the preview's).
    int Scan(std::vector<uint8_t>& dib);
    TW_UINT16 ProcessEvent(TW_EVENT& event);
    TW_UINT16 PendingTransfers(TW_UINT16 MSG, TW_PENDINGXFERS& pending);
    TW_UINT16 ImageInfo(TW_IMAGEINFO& info);
    TW_UINT16 NativeTransfer(std::vector<uint8_t>& dib);
    // Runs work that waits for the device under the stall bound: its SANE status, or
    // kStalled.
    int RunBounded(const std::function<int(std::atomic<uint64_t>&)>& work);
    void CloseDevice();
    TW_UINT16 SetResolution(double dDpi);
    double GetResolution() const;
    void Post(TW_UINT16 nMessage);
    void EndScan();
    // Gives the device an identity (its number is its place in m_DeviceNames, from 1).
    void MakeIdentity(const std::string& strName, const std::string& strVendor, const std::string& strModel,
                      const std::string& strType, TW_IDENTITY& identity);
    static TW_UINT16 ConditionOf(int nStatus);
    static constexpr int kStalled = -1;

    CAbstractSourceChooser& m_Chooser;
    std::shared_ptr<CSaneSession> m_pSession;
    std::shared_ptr<CScanProgress> m_pProgress;
    CAbstractTwainWindow* m_pWindow = nullptr;
    std::vector<std::string> m_DeviceNames;
    void* m_hDevice = nullptr;   // the open device (SANE_Handle)
    bool m_bDeviceLost = false;  // left in a call that never returned
    std::string m_strOpenDevice;
    bool m_bEnabled = false;
    bool m_bInterfacePending = false;  // enabled with the interface, not shown yet
    bool m_bScanning = false;          // sane_start succeeded, the frames not read yet
    TW_UINT16 m_nPendingMessage = MSG_NULL;
    int m_nTransferCount = 1;
    double m_dResolution = 0;
    TW_UINT16 m_nCondition = TWCC_SUCCESS;
};
