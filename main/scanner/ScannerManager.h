#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include <QDialog>

#include "imaging/AbstractSourceChooser.h"
#include "imaging/AbstractTwainWindow.h"
#include "imaging/Twain.h"

// The messages the scanner manager sends to the main window, numbered as the program has
// always numbered them.
enum ScannerMessage : unsigned {
    WM_SCANNER_IMAGE = 112,   // a picture arrived: the packed bitmap, and its pixel type
    WM_SCANNER_CLOSED = 113,  // the acquisition is over (with or without a picture)
};

// What receives the scanner manager's messages (the main window).
class CScanProgress;
class QProgressDialog;
class QThread;
class QTimer;

class CScannerMessageReceiver {
public:
    virtual ~CScannerMessageReceiver() = default;
    // pDib: the picture for WM_SCANNER_IMAGE (may be taken), null for WM_SCANNER_CLOSED.
    virtual void OnScannerMessage(ScannerMessage nMessage, std::vector<uint8_t>* pDib, long lParam) = 0;
};

// The scanner manager: a hidden dialog that is the TWAIN client of the window. Every event
// reaching it goes first to the enabled source; the pictures and the end of an acquisition
// go to the receiver as messages 112 and 113. Its source manager is the system's scanner
// library (CSaneSourceManager) unless another is given; the user chooses among the
// scanners in "Select Source", and the choice is kept in the per-user settings.
//
// The pictures are transferred on a thread of their own, so that the window stays alive
// while the scanner works: a window-modal progress dialog shows how far the scan is, under a
// busy cursor, and its Cancel button stops the scan (the source manager bounds the wait for
// a device that stops answering). Until the transfer is over the TWAIN client is the worker
// thread's alone: the source's messages that arrive meanwhile wait for it.
//
// The receiver is not owned and must outlive this object; the dialog belongs to its Qt
// parent.
class CScannerManager : public QDialog,
                        public CTwain,
                        private CAbstractTwainWindow,
                        private CAbstractSourceChooser {
    Q_OBJECT
public:
    enum { IDD = 177 };

    // The program's identity as the window gives it. nLanguage: the interface language
    // (1 French).
    struct CAppIdentity {
        int nMajor = 1;
        int nMinor = 4;
        std::string strManufacturer = "Tessaline Software";
        std::string strProduct = "Plotvane";
        std::string strVersion = "1.04";
        int nLanguage = 0;
    };

    // Opens the source manager (pManager, or the system's scanners when null) and asks for
    // the default source.
    CScannerManager(CScannerMessageReceiver& receiver, const CAppIdentity& identity, QWidget* pParent,
                    std::unique_ptr<CAbstractSourceManager> pManager = nullptr);
    ~CScannerManager() override;

    // Starts an acquisition of nCount pictures: the source is opened and enabled, and the
    // manager busy until the source is closed. False when the source could not be enabled.
    bool Acquire(int nCount);
    // Not busy and a source known.
    bool CanAcquire() const;
    bool IsBusy() const { return m_bBusy; }
    // The progress dialog of the transfer under way; null when none runs.
    QProgressDialog* GetProgressDialog() const { return m_pProgressDialog; }

    // ---- CTwain
    void InitIdentity() override;
    void CloseSource() override;
    void OnImageAcquired(std::vector<uint8_t>& dib, const TW_IMAGEINFO& info) override;
    void OnTransferReady() override;

    // The settings key of the scanner chosen last.
    static const char* const kDeviceKey;
    // The settings group of the scan settings of strDevice.
    static QString SettingsGroup(const std::string& strDevice);

protected:
    bool event(QEvent* pEvent) override;

private:
    // Back on the window's thread once the transfer has ended: the picture to the receiver,
    // then the source's messages that waited.
    void OnTransferEnded();
    void ShowProgress();
    bool IsTransferring() const { return m_pWorker != nullptr; }

    // ---- CAbstractTwainWindow
    void PostSourceMessage(uint32_t nMessage) override;
    // ---- CAbstractSourceChooser
    std::string GetRememberedDevice() const override;
    void RememberDevice(const std::string& strName) override;
    int ChooseDevice(const std::vector<CScannerDevice>& devices, int nCurrent) override;
    // The scanner's dialog (CScanSettingsDialog), starting from the settings last used with
    // this device when the device still offers them; the settings taken are remembered.
    bool EditSettings(const std::string& strDevice, const CScanOffer& offer, CScanSettings& settings,
                      const std::function<std::vector<uint8_t>()>& preview) override;

    CScannerMessageReceiver& m_Receiver;
    CAppIdentity m_Identity;
    bool m_bBusy = false;
    std::shared_ptr<CScanProgress> m_pProgress;
    QThread* m_pWorker = nullptr;
    QProgressDialog* m_pProgressDialog = nullptr;
    QTimer* m_pProgressTimer = nullptr;
    // What the worker brought: the picture and whether it closed the source after it.
    std::vector<uint8_t> m_TransferredDib;
    TW_IMAGEINFO m_TransferredInfo;
    bool m_bPictureTransferred = false;
    bool m_bClosedByTransfer = false;
    std::deque<uint32_t> m_WaitingMessages;
};
