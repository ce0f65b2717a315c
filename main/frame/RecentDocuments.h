#pragma once

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QStringList>

class QAction;

// The File menu's list of the last documents opened or saved, newest first, four at most,
// kept in the user's settings ("Recent File List", "File1" … "File4") across sessions.
// Choosing an entry asks the owner to open that file.
class CRecentDocuments : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxEntries = 4;

    // The entries are inserted into menu before the action before (typically Exit).
    CRecentDocuments(QMenu* pMenu, QAction* pBefore, QObject* pParent = nullptr);
    // Takes its entries out of the menu.
    ~CRecentDocuments() override;

    // Puts the document at the top of the list and stores the list.
    void Add(const QString& strPath);
    // Takes a document that can no longer be opened off the list.
    void Remove(const QString& strPath);
    QStringList Paths() const { return m_Paths; }

signals:
    void OpenRequested(const QString& strPath);

private:
    void Load();
    void Store() const;
    void Rebuild();

    QPointer<QMenu> m_pMenu;  // may go first when the window goes
    QAction* m_pBefore;
    QAction* m_pSeparator = nullptr;
    QList<QAction*> m_Entries;
    QStringList m_Paths;
};
