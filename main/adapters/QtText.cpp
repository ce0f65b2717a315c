#include "main/adapters/QtText.h"

#include <QFile>
#include <QString>
#include <QStringDecoder>

#include "platform/StringTable.h"
#include "platform/TextEncoding.h"

QString CQtText::ToQString(const std::string& strCp1252)
{
    return QString::fromStdString(CTextEncoding::Cp1252ToUtf8(strCp1252));
}

std::string CQtText::FromQString(const QString& str)
{
    return CTextEncoding::Utf8ToCp1252(str.toStdString());
}

QString CQtText::PathToQString(const std::string& strPath)
{
    return QFile::decodeName(QByteArray::fromStdString(strPath));
}

std::string CQtText::PathFromQString(const QString& strPath)
{
    return QFile::encodeName(strPath).toStdString();
}

QString CQtText::TitleToQString(const std::string& strTitle)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString decoded = decoder.decode(QByteArray::fromStdString(strTitle));
    return decoder.hasError() ? ToQString(strTitle) : decoded;
}

QString CQtText::String(unsigned nId)
{
    return ToQString(CStringTable::Get(nId));
}

QString CQtText::Field(unsigned nId, int nIndex)
{
    return ToQString(CStringTable::GetField(nId, nIndex));
}
