#include "main/frame/RecentDocuments.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include "main/adapters/SettingsStoreFile.h"

namespace {

const char* const kSection = "Recent File List";

}  // namespace

CRecentDocuments::CRecentDocuments(QMenu* pMenu, QAction* pBefore, QObject* pParent)
    : QObject(pParent), m_pMenu(pMenu), m_pBefore(pBefore)
{
    Load();
    Rebuild();
}

CRecentDocuments::~CRecentDocuments()
{
    if (m_pMenu == nullptr)
        return;
    qDeleteAll(m_Entries);
    delete m_pSeparator;
}

void CRecentDocuments::Load()
{
    QSettings settings = CSettingsStoreFile::Get().OpenSettings();
    settings.beginGroup(QLatin1String(kSection));
    for (int i = 1; i <= kMaxEntries; ++i) {
        const QString strPath = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!strPath.isEmpty() && !m_Paths.contains(strPath))
            m_Paths << strPath;
    }
}

void CRecentDocuments::Store() const
{
    {
        QSettings settings = CSettingsStoreFile::Get().OpenSettings();
        settings.beginGroup(QLatin1String(kSection));
        for (int i = 1; i <= kMaxEntries; ++i) {
            if (i <= m_Paths.size())
                settings.setValue(QStringLiteral("File%1").arg(i), m_Paths[i - 1]);
            else
                settings.remove(QStringLiteral("File%1").arg(i));
        }
    }
    // Kept at once, as it always was, not only at exit.
    CSettingsStoreFile::Get().Save();
}

void CRecentDocuments::Add(const QString& strPath)
{
    const QString strAbsolute = QFileInfo(strPath).absoluteFilePath();
    m_Paths.removeAll(strAbsolute);
    m_Paths.prepend(strAbsolute);
    while (m_Paths.size() > kMaxEntries)
        m_Paths.removeLast();
    Store();
    Rebuild();
}

void CRecentDocuments::Remove(const QString& strPath)
{
    if (m_Paths.removeAll(QFileInfo(strPath).absoluteFilePath()) == 0)
        return;
    Store();
    Rebuild();
}

void CRecentDocuments::Rebuild()
{
    for (QAction* pEntry : m_Entries) {
        m_pMenu->removeAction(pEntry);
        delete pEntry;
    }
    m_Entries.clear();
    if (m_pSeparator == nullptr)
        m_pSeparator = m_pMenu->insertSeparator(m_pBefore);
    m_pSeparator->setVisible(!m_Paths.isEmpty());
    for (int i = 0; i < m_Paths.size(); ++i) {
        // "&1 sample.pvd", the full path as the status tip. "&" in a name stays a character.
        QString strName = QFileInfo(m_Paths[i]).fileName();
        strName.replace(QLatin1Char('&'), QLatin1String("&&"));
        auto* pEntry = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(strName), m_pMenu);
        pEntry->setStatusTip(QDir::toNativeSeparators(m_Paths[i]));
        const QString strPath = m_Paths[i];
        connect(pEntry, &QAction::triggered, this, [this, strPath] { emit OpenRequested(strPath); });
        m_pMenu->insertAction(m_pSeparator, pEntry);
        m_Entries << pEntry;
    }
}
