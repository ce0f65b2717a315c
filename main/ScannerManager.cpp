#include "main/ScannerManager.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSettings>

#include "imaging/SaneSourceManager.h"
#include "main/SettingsStoreFile.h"
#include "main/SelectSourceDialog.h"

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
    : QDialog(pParent), m_Receiver(receiver), m_Identity(identity)
{
    setObjectName(QStringLiteral("ScannerManager"));
    if (pManager == nullptr)
        pManager = std::make_unique<CSaneSourceManager>(static_cast<CAbstractSourceChooser&>(*this));
    if (OpenSourceManager(std::move(pManager), this))
        GetDefaultSource();
}

CScannerManager::~CScannerManager()
{
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
    m_Receiver.OnScannerMessage(WM_SCANNER_IMAGE, &dib, info.PixelType);
    CloseSource();
}

bool CScannerManager::event(QEvent* pEvent)
{
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
    const QSettings settings(CSettingsStoreFile::Get().GetWorkingFileName(), QSettings::IniFormat);
    return settings.value(QLatin1String(kDeviceKey)).toString().toStdString();
}

void CScannerManager::RememberDevice(const std::string& strName)
{
    {
        QSettings settings(CSettingsStoreFile::Get().GetWorkingFileName(), QSettings::IniFormat);
        settings.setValue(QLatin1String(kDeviceKey), QString::fromStdString(strName));
    }
    CSettingsStoreFile::Get().Save();
}

int CScannerManager::ChooseDevice(const std::vector<CScannerDevice>& devices, int nCurrent)
{
    CSelectSourceDialog dlg(devices, nCurrent, parentWidget());
    return dlg.exec() == QDialog::Accepted ? dlg.GetChosen() : -1;
}
