#include "main/adapters/QtSettingsBackend.h"

#include <QDir>
#include <QFileInfo>
#include <QVariant>

#include "main/adapters/QtText.h"
#include "main/adapters/SettingsStoreFile.h"

namespace {

bool IsValidName(const std::string& strName)
{
    return !strName.empty() && strName.find_first_of("/\\") == std::string::npos;
}

// "Section/Key", or empty for names QSettings would read as more than one group.
QString KeyOf(const std::string& strSection, const std::string& strKey)
{
    if (!IsValidName(strSection) || !IsValidName(strKey))
        return QString();
    return CQtText::ToQString(strSection) + QLatin1Char('/') + CQtText::ToQString(strKey);
}

}  // namespace

// Where QSettings keeps the user's INI settings of the maker and product, under the ".conf"
// name that the native store of Linux programs has ("Plotvane.conf" rather than
// QSettings' "Plotvane.ini"): the file is the same whichever of the two a tool opens.
QString CQtSettingsBackend::StoreFileName()
{
    const QSettings ini(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tessaline Software"),
                        QStringLiteral("Plotvane"));
    const QFileInfo file(ini.fileName());
    return file.dir().filePath(file.completeBaseName() + QStringLiteral(".conf"));
}

// The user's file is read afresh for each store, and QSettings works on its copy.
CQtSettingsBackend::CQtSettingsBackend()
    : m_Settings(CSettingsStoreFile::Get().Reload(), QSettings::IniFormat)
{
}

CQtSettingsBackend::~CQtSettingsBackend()
{
    Flush();
}

QString CQtSettingsBackend::GetFileName() const
{
    return StoreFileName();
}

bool CQtSettingsBackend::ReadText(const std::string& strSection, const std::string& strKey, QString& strValue)
{
    const QString strName = KeyOf(strSection, strKey);
    if (strName.isEmpty())
        return false;
    const QVariant value = m_Settings.value(strName);
    // A text with unquoted commas comes back from an INI file as a list: not one of ours.
    if (!value.isValid() || value.typeId() == QMetaType::QStringList || !value.canConvert<QString>())
        return false;
    strValue = value.toString();
    return true;
}

bool CQtSettingsBackend::ReadInt(const std::string& strSection, const std::string& strKey, int& nValue)
{
    QString strText;
    if (!ReadText(strSection, strKey, strText))
        return false;
    bool bOk = false;
    const int n = strText.trimmed().toInt(&bOk);
    if (!bOk)
        return false;
    nValue = n;
    return true;
}

bool CQtSettingsBackend::WriteInt(const std::string& strSection, const std::string& strKey, int nValue)
{
    const QString strName = KeyOf(strSection, strKey);
    if (strName.isEmpty() || !m_Settings.isWritable())
        return false;
    m_Settings.setValue(strName, nValue);
    return true;
}

bool CQtSettingsBackend::ReadString(const std::string& strSection, const std::string& strKey,
                                    std::string& strValue)
{
    QString strText;
    if (!ReadText(strSection, strKey, strText))
        return false;
    strValue = CQtText::FromQString(strText);
    return true;
}

bool CQtSettingsBackend::WriteString(const std::string& strSection, const std::string& strKey,
                                     const std::string& strValue)
{
    const QString strName = KeyOf(strSection, strKey);
    if (strName.isEmpty() || !m_Settings.isWritable())
        return false;
    m_Settings.setValue(strName, CQtText::ToQString(strValue));
    return true;
}

bool CQtSettingsBackend::Flush()
{
    m_Settings.sync();
    return m_Settings.status() == QSettings::NoError && CSettingsStoreFile::Get().Save();
}
