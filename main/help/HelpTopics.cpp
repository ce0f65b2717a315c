#include "main/help/HelpTopics.h"

#include <QFile>
#include <QRegularExpression>

#include "Dm/SettingsManager.h"

const CHelpTopics& CHelpTopics::Installed()
{
    static const CHelpTopics topics = [] {
        QFile file(QStringLiteral(":/help/topics.txt"));
        if (!file.open(QIODevice::ReadOnly))
            return CHelpTopics();
        return Parse(QString::fromUtf8(file.readAll()));
    }();
    return topics;
}

CHelpTopics CHelpTopics::Parse(const QString& strIndex)
{
    // A page name stays inside its language's folder.
    static const QRegularExpression line(QStringLiteral("^\\s*(\\d{1,5})\\s+([a-z0-9-]+\\.html)\\s*$"));
    CHelpTopics topics;
    for (const QString& strLine : strIndex.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = line.match(strLine);
        if (match.hasMatch())
            topics.m_Pages[ContextOf(match.captured(1).toUInt())] = match.captured(2);
    }
    return topics;
}

CHelpTopics::Language& CHelpTopics::ChosenLanguage()
{
    static Language language = Language::English;
    return language;
}

CHelpTopics::Language CHelpTopics::CurrentLanguage()
{
    return ChosenLanguage();
}

void CHelpTopics::ChooseLanguage()
{
    const CSettingsManager* pSettings = GetSettingsManager();
    SetLanguage(pSettings != nullptr && pSettings->GetLanguage() == 1 ? Language::French : Language::English);
}

QUrl CHelpTopics::PageUrl(unsigned nContext, Language language) const
{
    auto it = m_Pages.find(nContext);
    if (it == m_Pages.end())
        it = m_Pages.find(0);
    const QString strPage = it != m_Pages.end() ? it->second : QStringLiteral("index.html");
    const QString strFolder = language == Language::French ? QStringLiteral("fr") : QStringLiteral("en");
    return QUrl(QStringLiteral("qrc:/help/%1/%2").arg(strFolder, strPage));
}

std::vector<unsigned> CHelpTopics::GetContexts() const
{
    std::vector<unsigned> contexts;
    for (const auto& page : m_Pages)
        contexts.push_back(page.first);
    return contexts;
}
