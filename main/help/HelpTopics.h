#pragma once

#include <map>
#include <vector>

#include <QString>
#include <QUrl>

// The help topics compiled into the program: the pages under ":/help/en/" and ":/help/fr/"
// (the same file names in both languages) and the index ":/help/topics.txt" that says which
// page answers which help context. An index line is "<resource number> <file>": number 0 is
// the contents page, the answer to help context 0; any other number N answers help context
// 0x20000 + N (128 the main window, a dialog's template number its dialog).
class CHelpTopics {
public:
    static constexpr unsigned kResourceHelpBase = 0x20000;

    enum class Language { English, French };

    // The help context of a resource: 0 for 0, else 0x20000 plus the number.
    static constexpr unsigned ContextOf(unsigned nResourceId)
    {
        return nResourceId == 0 ? 0 : kResourceHelpBase + nResourceId;
    }
    // The index compiled into the program, read on first use.
    static const CHelpTopics& Installed();
    // Reads an index; lines that are not a number and a plain page name are skipped.
    static CHelpTopics Parse(const QString& strIndex);
    // The language of the help: the one chosen at start-up, as the interface's, so that a
    // change in the options shows in both at the next start. English until chosen.
    static Language CurrentLanguage();
    // Chooses French when the setting "General/Language" asks for it, English otherwise.
    static void ChooseLanguage();
    static void SetLanguage(Language language) { ChosenLanguage() = language; }

    bool Has(unsigned nContext) const { return m_Pages.count(nContext) != 0; }
    // The page of a context in a language; the contents page for a context without a topic.
    QUrl PageUrl(unsigned nContext, Language language) const;
    // Every context that has a topic, in ascending order.
    std::vector<unsigned> GetContexts() const;

private:
    static Language& ChosenLanguage();

    std::map<unsigned, QString> m_Pages;
};
