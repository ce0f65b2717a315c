#include "main/scanner/ScannerManager.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QProgressDialog>
#include <QSettings>
#include <QThread>
#include <QTimer>

#include "imaging/SaneSourceManager.h"
#include "imaging/ScanProgress.h"
#include "main/scanner/ScanSettingsDialog.h"
#include "main/adapters/SettingsStoreFile.h"
#include "main/scanner/SelectSourceDialog.h"

namespace {

// A message a source posted to the window.
class CSourceEvent : public QEvent {
public:
    explicit CSourceEvent(uint32_t nMessage) : QEvent(Type()), m_nMessage(nMessage) {}
    static QEvent::Type Type()
    {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }
    uint32_t GetMessage() const { return m_nMessage; }

private:
    uint32_t m_nMessage;
};

}  // namespace

const char* const CScannerManager::kDeviceKey = "Scanner/Device";

CScannerManager::CScannerManager(CScannerMessageReceiver& receiver, const CAppIdentity& identity,
                                 QWidget* pParent, std::unique_ptr<CAbstractSourceManager> pManager)
    : QDialog(pParent),
      m_Receiver(receiver),
      m_Identity(identity),
      m_pProgress(std::make_shared<CScanProgress>())
{
    setObjectName(QStringLiteral("ScannerManager"));
    if (pManager == nullptr)
        pManager =
            std::make_unique<CSaneSourceManager>(static_cast<CAbstractSourceChooser&>(*this), m_pProgress);
    if (OpenSourceManager(std::move(pManager), this))
        GetDefaultSource();
}

CScannerManager::~CScannerManager()
{
    if (m_pWorker != nullptr) {
        // The source manager bounds the wait for a device that does not stop.
        m_pProgress->Cancel();
        m_pWorker->wait();
        QApplication::restoreOverrideCursor();
    }
    CloseSourceManager();
}

void CScannerManager::InitIdentity()
{
    CTwain::InitIdentity();
    m_AppId.Version.MajorNum = static_cast<TW_UINT16>(m_Identity.nMajor);
    m_AppId.Version.MinorNum = static_cast<TW_UINT16>(m_Identity.nMinor);
    const TW_UINT16 nLanguage = m_Identity.nLanguage == 1 ? 33 : 1;
    m_AppId.Version.Language = nLanguage;
    m_AppId.Version.Country = nLanguage;
    SetString(m_AppId.Version.Info, m_Identity.strVersion);
    SetString(m_AppId.Manufacturer, m_Identity.strManufacturer);
    SetString(m_AppId.ProductFamily, m_Identity.strProduct);
    SetString(m_AppId.ProductName, m_Identity.strProduct);
}

bool CScannerManager::Acquire(int nCount)
{
    m_bBusy = EnableSource(nCount);
    return m_bBusy;
}

bool CScannerManager::CanAcquire() const
{
    return !m_bBusy && IsSourceKnown();
}

void CScannerManager::CloseSource()
{
    CTwain::CloseSource();
    // Not busy any more when the window hears of it, so that its commands come back.
    m_bBusy = false;
    m_Receiver.OnScannerMessage(WM_SCANNER_CLOSED, nullptr, 0);
}

void CScannerManager::OnImageAcquired(std::vector<uint8_t>& dib, const TW_IMAGEINFO& info)
{
    if (QThread::currentThread() != thread()) {
        // On the worker: the window hears of the picture once the transfer is over.
        m_TransferredDib = std::move(dib);
        m_TransferredInfo = info;
        m_bPictureTransferred = true;
        CTwain::CloseSource();
        m_bClosedByTransfer = true;
        return;
    }
    m_Receiver.OnScannerMessage(WM_SCANNER_IMAGE, &dib, info.PixelType);
    CloseSource();
}

void CScannerManager::OnTransferReady()
{
    m_bPictureTransferred = m_bClosedByTransfer = false;
    m_pProgress->Reset();
    m_pWorker = QThread::create([this] { TransferImages(); });
    connect(m_pWorker, &QThread::finished, this, &CScannerManager::OnTransferEnded);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    ShowProgress();
    m_pWorker->start();
}

void CScannerManager::ShowProgress()
{
    m_pProgressDialog = new QProgressDialog(tr("Scanning..."), tr("Cancel"), 0, 1000, parentWidget());
    m_pProgressDialog->setObjectName(QStringLiteral("ScanProgress"));
    m_pProgressDialog->setWindowTitle(tr("Import from scanner"));
    m_pProgressDialog->setWindowModality(Qt::WindowModal);
    m_pProgressDialog->setAutoClose(false);
    m_pProgressDialog->setAutoReset(false);
    m_pProgressDialog->setMinimumDuration(0);
    // Wide enough for its title.
    m_pProgressDialog->setMinimumWidth(360);
    m_pProgressDialog->setValue(0);
    // The dialog hides at once; the busy cursor stays until the device has stopped.
    connect(m_pProgressDialog, &QProgressDialog::canceled, this, [this] { m_pProgress->Cancel(); });
    m_pProgressTimer = new QTimer(this);
    connect(m_pProgressTimer, &QTimer::timeout, this, [this] {
        const int nPerMille = m_pProgress->PerMille();
        // A scan of unknown length shows a busy bar.
        m_pProgressDialog->setMaximum(nPerMille < 0 ? 0 : 1000);
        m_pProgressDialog->setValue(nPerMille < 0 ? 0 : nPerMille);
    });
    m_pProgressTimer->start(100);
    m_pProgressDialog->show();
}

void CScannerManager::OnTransferEnded()
{
    m_pWorker->deleteLater();
    m_pWorker = nullptr;
    delete m_pProgressTimer;
    m_pProgressTimer = nullptr;
    m_pProgressDialog->deleteLater();
    m_pProgressDialog = nullptr;
    QApplication::restoreOverrideCursor();
    if (m_bPictureTransferred) {
        m_bPictureTransferred = false;
        m_Receiver.OnScannerMessage(WM_SCANNER_IMAGE, &m_TransferredDib, m_TransferredInfo.PixelType);
        std::vector<uint8_t>().swap(m_TransferredDib);
    }
    if (m_bClosedByTransfer) {
        m_bClosedByTransfer = false;
        m_bBusy = false;
        m_Receiver.OnScannerMessage(WM_SCANNER_CLOSED, nullptr, 0);
    }
    std::deque<uint32_t> waiting;
    waiting.swap(m_WaitingMessages);
    for (uint32_t nMessage : waiting)
        if (!IsTransferring())
            ProcessMessage(nMessage);
}

bool CScannerManager::event(QEvent* pEvent)
{
    if (IsTransferring()) {
        // The TWAIN client is the worker's until the transfer is over.
        if (pEvent->type() == CSourceEvent::Type()) {
            m_WaitingMessages.push_back(static_cast<CSourceEvent*>(pEvent)->GetMessage());
            return true;
        }
        return QDialog::event(pEvent);
    }
    if (IsSourceEnabled()) {
        const uint32_t nMessage = pEvent->type() == CSourceEvent::Type()
                                      ? static_cast<CSourceEvent*>(pEvent)->GetMessage()
                                      : static_cast<uint32_t>(pEvent->type());
        if (ProcessMessage(nMessage))
            return true;
    }
    return QDialog::event(pEvent);
}

void CScannerManager::PostSourceMessage(uint32_t nMessage)
{
    QCoreApplication::postEvent(this, new CSourceEvent(nMessage));
}

std::string CScannerManager::GetRememberedDevice() const
{
    const QSettings settings = CSettingsStoreFile::Get().OpenSettings();
    return settings.value(QLatin1String(kDeviceKey)).toString().toStdString();
}

void CScannerManager::RememberDevice(const std::string& strName)
{
    {
        QSettings settings = CSettingsStoreFile::Get().OpenSettings();
        settings.setValue(QLatin1String(kDeviceKey), QString::fromStdString(strName));
    }
    CSettingsStoreFile::Get().Save();
}

QString CScannerManager::SettingsGroup(const std::string& strDevice)
{
    // A device name may hold anything ("net:host:/dev/..."): as a key it is percent-encoded.
    return QStringLiteral("ScannerSettings/") +
           QString::fromLatin1(QByteArray::fromStdString(strDevice).toPercentEncoding());
}

bool CScannerManager::EditSettings(const std::string& strDevice, const CScanOffer& offer,
                                   CScanSettings& settings,
                                   const std::function<std::vector<uint8_t>()>& preview)
{
    QSettings store = CSettingsStoreFile::Get().OpenSettings();
    store.beginGroup(SettingsGroup(strDevice));
    CScanSettings remembered;
    remembered.dResolution = store.value(QStringLiteral("Resolution"), 0.0).toDouble();
    remembered.strMode = store.value(QStringLiteral("Mode")).toString().toStdString();
    remembered.dLeft = store.value(QStringLiteral("Left"), 0.0).toDouble();
    remembered.dTop = store.value(QStringLiteral("Top"), 0.0).toDouble();
    remembered.dRight = store.value(QStringLiteral("Right"), 0.0).toDouble();
    remembered.dBottom = store.value(QStringLiteral("Bottom"), 0.0).toDouble();
    // What the device no longer offers (another model under the same name) is forgotten.
    if (store.contains(QStringLiteral("Resolution")) && remembered.IsValidFor(offer))
        settings = remembered;
    CScanSettingsDialog dlg(QString::fromStdString(strDevice), offer, settings, preview, parentWidget());
    if (dlg.exec() != QDialog::Accepted)
        return false;
    settings = dlg.GetSettings();
    store.setValue(QStringLiteral("Resolution"), settings.dResolution);
    store.setValue(QStringLiteral("Mode"), QString::fromStdString(settings.strMode));
    store.setValue(QStringLiteral("Left"), settings.dLeft);
    store.setValue(QStringLiteral("Top"), settings.dTop);
    store.setValue(QStringLiteral("Right"), settings.dRight);
    store.setValue(QStringLiteral("Bottom"), settings.dBottom);
    store.sync();
    CSettingsStoreFile::Get().Save();
    return true;
}

int CScannerManager::ChooseDevice(const std::vector<CScannerDevice>& devices, int nCurrent)
{
    CSelectSourceDialog dlg(devices, nCurrent, parentWidget());
    return dlg.exec() == QDialog::Accepted ? dlg.GetChosen() : -1;
}
