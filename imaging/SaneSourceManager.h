#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "imaging/AbstractSourceManager.h"
#include "imaging/ScanDibBuilder.h"

class CAbstractSourceChooser;
class CAbstractTwainWindow;
class CSaneSession;

// A TWAIN source manager made of the system's scanner library (SANE): its sources are the
// SANE devices. The default source is the device the user chose last (as the chooser
// remembers it), else the first device found on this computer; "user select" lists every
// device, the network's too, and lets the chooser's user pick one. A source has no
// interface of its own: once enabled it reports a picture ready at the window's next
// message, and transfers it natively as a packed device-independent bitmap
// (CScanDibBuilder). After a reset it asks to be closed, as a source without an interface
// must.
//
// What a device reports is untrusted (CScanDibBuilder's checks; a device that sends nothing
// fails). Failures are condition codes of the standard (TWCC_PAPERJAM, TWCC_NOMEDIA, ...)
// and TWCC_BADPICTURE; a scan the device cancels is TWRC_CANCEL.
//
// The chooser is not owned and must outlive this object.
class CSaneSourceManager : public CAbstractSourceManager {
public:
    // The message a source posts to the window when it has something to say.
    static constexpr uint32_t kSourceMessage = 0x8069;

    explicit CSaneSourceManager(CAbstractSourceChooser& chooser);
    ~CSaneSourceManager() override;

    TW_UINT16 Entry(TW_IDENTITY* pOrigin, TW_IDENTITY* pDest, TW_UINT32 DG, TW_UINT16 DAT, TW_UINT16 MSG,
                    TW_MEMREF pData) override;

private:
    TW_UINT16 Fail(TW_UINT16 nCondition);
    TW_UINT16 Control(TW_IDENTITY* pDest, TW_UINT16 DAT, TW_UINT16 MSG, TW_MEMREF pData);
    TW_UINT16 Parent(TW_UINT16 MSG, TW_MEMREF pData);
    TW_UINT16 Identity(TW_UINT16 MSG, TW_IDENTITY& identity);
    TW_UINT16 Capability(TW_UINT16 MSG, TW_CAPABILITY& cap);
    TW_UINT16 UserInterface(TW_UINT16 MSG);
    TW_UINT16 ProcessEvent(TW_EVENT& event);
    TW_UINT16 PendingTransfers(TW_UINT16 MSG, TW_PENDINGXFERS& pending);
    TW_UINT16 ImageInfo(TW_IMAGEINFO& info);
    TW_UINT16 NativeTransfer(std::vector<uint8_t>& dib);
    // Reads the frames of the scan started; a SANE status.
    int ReadFrames(CScanDibBuilder& builder);
    TW_UINT16 SetResolution(double dDpi);
    double GetResolution() const;
    // The option number of the scan resolution; -1 when the device has none.
    int ResolutionOption() const;
    void Post(TW_UINT16 nMessage);
    void EndScan();
    // Gives the device an identity (its number is its place in m_DeviceNames, from 1).
    void MakeIdentity(const std::string& strName, const std::string& strVendor, const std::string& strModel,
                      const std::string& strType, TW_IDENTITY& identity);
    static TW_UINT16 ConditionOf(int nStatus);

    CAbstractSourceChooser& m_Chooser;
    std::unique_ptr<CSaneSession> m_pSession;
    CAbstractTwainWindow* m_pWindow = nullptr;
    std::vector<std::string> m_DeviceNames;
    void* m_hDevice = nullptr;  // the open device (SANE_Handle)
    bool m_bEnabled = false;
    bool m_bScanning = false;  // sane_start succeeded, the frames not read yet
    TW_UINT16 m_nPendingMessage = MSG_NULL;
    int m_nTransferCount = 1;
    double m_dResolution = 0;
    TW_UINT16 m_nCondition = TWCC_SUCCESS;
};
