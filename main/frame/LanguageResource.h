#pragma once

#include <memory>
#include <string>

#include <QLocale>
#include <QByteArray>
#include <QString>

class QTranslator;

// The interface language resource ("PlvResFr" or "PlvResUs"): a Qt translation file beside
// the program. When it loads, it translates the menus, dialogs and every other text written
// through tr(), and replaces the numbered strings of the string table: their translations
// sit in the context "StringTable", with the English text as source and the string's number
// as disambiguation. Qt's own dialogs follow the language the file declares when Qt's
// translations are installed, and the numbers typed into the dialogs take its decimal
// separator (the file's language becomes the default locale).
//
// A file that is missing or unreadable changes nothing: the built-in English serves. Only a
// regular file is read, and only a sound one (CLanguageFileCheck) reaches the translator: a
// damaged file is refused as well, and WasRefused tells it.
class CLanguageResource {
public:
    static constexpr const char* kStringTableContext = "StringTable";

    CLanguageResource();
    // Uninstalls the translations and restores the built-in strings.
    ~CLanguageResource();
    CLanguageResource(const CLanguageResource&) = delete;
    CLanguageResource& operator=(const CLanguageResource&) = delete;

    // The translation file of a resource library name ("PlvResFr.dll" -> "PlvResFr.qm")
    // in strDir.
    static QString FileFor(const std::string& strLibraryName, const QString& strDir);

    // Loads and installs strPath in place of what is installed. False when it cannot be
    // read or is damaged; the interface then stays as it was.
    bool Load(const QString& strPath);
    // Whether the last Load found the file damaged (rather than missing or unreadable).
    bool WasRefused() const { return m_bRefused; }
    // Back to the built-in English.
    void Unload();
    bool IsLoaded() const { return m_pTranslator != nullptr; }

private:
    void ReplaceNumberedStrings(const QTranslator& translator) const;

    // The translator reads its file from here, which lives as long as it does.
    QByteArray m_Data;
    std::unique_ptr<QTranslator> m_pTranslator;
    std::unique_ptr<QTranslator> m_pQtTranslator;
    // The default locale before the file's language became it.
    QLocale m_PreviousLocale;
    bool m_bRefused = false;
};
