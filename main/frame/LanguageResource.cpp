#include "main/frame/LanguageResource.h"

#include <cstdint>
#include <exception>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include "main/frame/LanguageFileCheck.h"
#include "main/adapters/QtText.h"
#include "platform/MappedFile.h"
#include "platform/StringTable.h"
#include "platform/StringTableData.h"
#include "platform/TextEncoding.h"

namespace {

// The program's translation files take some hundred kilobytes.
constexpr uint64_t kMaxFileSize = uint64_t(16) << 20;

}  // namespace

CLanguageResource::CLanguageResource() = default;

CLanguageResource::~CLanguageResource()
{
    Unload();
}

QString CLanguageResource::FileFor(const std::string& strLibraryName, const QString& strDir)
{
    const QString strBase = QFileInfo(QString::fromStdString(strLibraryName)).completeBaseName();
    return QDir(strDir).filePath(strBase + QStringLiteral(".qm"));
}

bool CLanguageResource::Load(const QString& strPath)
{
    m_bRefused = false;
    QByteArray data;
    try {
        // Never a pipe or a device, and never more than a translation file can hold.
        const CMappedFile file(CQtText::PathFromQString(strPath), kMaxFileSize);
        data =
            QByteArray(reinterpret_cast<const char*>(file.GetData()), static_cast<qsizetype>(file.GetSize()));
    } catch (const std::exception&) {
        return false;
    }
    if (!CLanguageFileCheck::IsSound(data)) {
        m_bRefused = true;
        return false;
    }
    auto pTranslator = std::make_unique<QTranslator>();
    if (!pTranslator->load(reinterpret_cast<const uchar*>(data.constData()), static_cast<int>(data.size()))) {
        m_bRefused = true;
        return false;
    }
    Unload();

    m_Data = std::move(data);
    m_pTranslator = std::move(pTranslator);
    QCoreApplication::installTranslator(m_pTranslator.get());
    ReplaceNumberedStrings(*m_pTranslator);

    // The buttons and file dialogs of Qt itself, in the language the file is written for.
    const QString strLanguage = m_pTranslator->language();
    m_PreviousLocale = QLocale();
    if (!strLanguage.isEmpty()) {
        QLocale::setDefault(QLocale(strLanguage));
        auto pQtTranslator = std::make_unique<QTranslator>();
        if (pQtTranslator->load(QLocale(strLanguage), QStringLiteral("qtbase"), QStringLiteral("_"),
                                QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            m_pQtTranslator = std::move(pQtTranslator);
            QCoreApplication::installTranslator(m_pQtTranslator.get());
        }
    }
    return true;
}

void CLanguageResource::Unload()
{
    if (m_pQtTranslator != nullptr)
        QCoreApplication::removeTranslator(m_pQtTranslator.get());
    if (m_pTranslator != nullptr) {
        QCoreApplication::removeTranslator(m_pTranslator.get());
        CStringTable::ResetToBuiltIn();
        QLocale::setDefault(m_PreviousLocale);
    }
    m_pQtTranslator.reset();
    m_pTranslator.reset();
    m_Data.clear();
}

void CLanguageResource::ReplaceNumberedStrings(const QTranslator& translator) const
{
    size_t nCount = 0;
    const CStringTableEntry* pEntries = BuiltInStrings(nCount);
    for (size_t i = 0; i < nCount; ++i) {
        const std::string strSource = CTextEncoding::Cp1252ToUtf8(pEntries[i].text);
        const QByteArray number = QByteArray::number(pEntries[i].id);
        const QString strText =
            translator.translate(kStringTableContext, strSource.c_str(), number.constData());
        if (!strText.isEmpty())
            CStringTable::Set(pEntries[i].id, CQtText::FromQString(strText));
    }
}
