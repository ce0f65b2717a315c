#include "main/LanguageResource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include "main/QtText.h"
#include "platform/StringTable.h"
#include "platform/StringTableData.h"
#include "platform/TextEncoding.h"

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
    auto pTranslator = std::make_unique<QTranslator>();
    if (!QFileInfo(strPath).isFile() || !pTranslator->load(strPath))
        return false;
    Unload();

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
