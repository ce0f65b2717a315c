#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "imaging/AbstractSourceManager.h"
#include "imaging/TwainProtocol.h"

class CAbstractTwainWindow;

// The program's TWAIN client: it opens a source manager, knows a source (the default one or
// the one the user chose), opens and enables it, and turns the source's messages into
// transfers of pictures. A picture arrives as a packed device-independent bitmap (the info
// header, a palette at 8 bits or less, bottom-up rows padded to 4 bytes), handed to
// OnImageAcquired.
//
// The state follows the protocol: source manager closed -> open -> source known -> source
// open -> source enabled -> back to open after a transfer or a close request. A triplet that
// fails leaves the state as it was and records the return and condition codes.
//
// Owns the source manager it was given; the window is not owned and must outlive the
// connection.
class CTwain {
public:
    // The failure that ended the last transfer: TWRC_FAILURE with a condition code, or
    // TWRC_CANCEL; TWRC_SUCCESS when the last acquisition failed in nothing.
    struct CFailure {
        TW_UINT16 nReturnCode = TWRC_SUCCESS;
        TW_UINT16 nConditionCode = TWCC_SUCCESS;
        bool IsFailure() const { return nReturnCode != TWRC_SUCCESS; }
    };

    CTwain();
    virtual ~CTwain();
    CTwain(const CTwain&) = delete;
    CTwain& operator=(const CTwain&) = delete;

    // Fills the program's identity: version 1.2, English and USA, "Tessaline Software",
    // "Plotvane", protocol 1.8, control and image groups.
    virtual void InitIdentity();
    // Asks for the default source when none is known, then lets the user choose one. True
    // when a source is known afterwards.
    virtual bool SelectSource();
    // Opens the known source; true when it is open.
    virtual bool OpenSource();
    // What to do with the picture announced: 0 transfers it (the only answer given).
    virtual int OnImageInfo(const TW_IMAGEINFO& info);
    // Disables the source, then closes it.
    virtual void CloseSource();
    virtual void DisableSource();
    // Whether to close the source when it asks to be closed: yes.
    virtual bool OnCloseRequest();
    // A picture arrived; dib may be taken (moved from).
    virtual void OnImageAcquired(std::vector<uint8_t>& dib, const TW_IMAGEINFO& info) = 0;
    // The source has pictures ready: transfers them (TransferImages) at once. A client that
    // must stay responsive may transfer them on another thread instead, making no other call
    // on this object until the transfer is over.
    virtual void OnTransferReady();

    // Opens the connection through pManager (InitIdentity first) with pWindow as the parent
    // window. False, with no source manager kept, when pManager is null or refuses.
    bool OpenSourceManager(std::unique_ptr<CAbstractSourceManager> pManager, CAbstractTwainWindow* pWindow);
    // Closes the source if open, then the connection.
    void CloseSourceManager();
    bool HasSourceManager() const { return m_pSourceManager != nullptr; }
    // Asks the source manager for the default source; true when one is known.
    bool GetDefaultSource();
    // Opens the source if needed, asks for nCount transfers (1 in practice; when the source
    // answers TWRC_CHECKSTATUS its current value is read and set instead) and enables it
    // with its own interface shown (or, without bShowInterface, to transfer as it is set).
    // True when the source is enabled.
    bool EnableSource(int nCount, bool bShowInterface = true);
    // Sets the source's horizontal and vertical resolution (the source must be open).
    bool SetResolution(double dDpi);
    // Event processing: offers a window message to the enabled source and carries out what
    // the source answers (transfers, close request). True when the source claimed it.
    bool ProcessMessage(uint32_t nMessage);

    bool IsSourceKnown() const { return m_bSourceKnown; }
    bool IsSourceOpen() const { return m_bSourceOpen; }
    bool IsSourceEnabled() const { return m_bSourceEnabled; }
    const TW_IDENTITY& GetSourceIdentity() const { return m_SourceId; }
    TW_UINT16 GetLastReturnCode() const { return m_nLastReturnCode; }
    TW_UINT16 GetLastConditionCode() const { return m_nLastConditionCode; }
    // Why the last transfer gave no picture (reset by EnableSource).
    const CFailure& GetTransferFailure() const { return m_TransferFailure; }

    // Copies text into a TWAIN string, cut to 32 characters.
    static void SetString(TW_STR32& dest, const std::string& strText);

protected:
    // Gets the pictures the source has ready, one after the other (OnImageAcquired for
    // each); a transfer that fails is recorded (GetTransferFailure) and ends the others.
    void TransferImages();

    TW_IDENTITY m_AppId;

private:
    // Calls the source manager (pDest: the source, or null for the manager itself); records
    // the return code and, on failure, the condition code. True for rcExpected.
    bool Call(TW_IDENTITY* pDest, TW_UINT32 DG, TW_UINT16 DAT, TW_UINT16 MSG, TW_MEMREF pData,
              TW_UINT16 rcExpected = TWRC_SUCCESS);
    bool SetTransferCount(int nCount);
    void RecordTransferFailure(TW_UINT16 nReturnCode);
    void CloseConnection();

    std::unique_ptr<CAbstractSourceManager> m_pSourceManager;
    TW_IDENTITY m_SourceId;
    TW_UINT16 m_nLastReturnCode = TWRC_SUCCESS;
    TW_UINT16 m_nLastConditionCode = TWCC_SUCCESS;
    bool m_bSourceKnown = false;
    bool m_bSourceOpen = false;
    bool m_bSourceEnabled = false;
    CAbstractTwainWindow* m_pWindow = nullptr;
    TW_UINT16 m_nModalUI = 0;
    int m_nTransferCount = 0;
    CFailure m_TransferFailure;
};
