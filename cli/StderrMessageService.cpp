#include "cli/StderrMessageService.h"

#include <ostream>
#include <utility>

#include "cli/CliText.h"
#include "platform/StringIds.h"
#include "platform/TextEncoding.h"

CStderrMessageService::CStderrMessageService(std::ostream& err)
    : m_Err(err), m_pPrevious(&CMessageService::Get())
{
    CMessageService::Install(this);
}

CStderrMessageService::~CStderrMessageService()
{
    if (&CMessageService::Get() == this)
        CMessageService::Install(m_pPrevious);
}

CMessageService::Answer CStderrMessageService::MessageBox(const std::string& text, Icon icon, Buttons buttons,
                                                          const std::string& /*caption*/)
{
    Message message;
    // The model's texts are Windows-1252; terminals and logs read UTF-8.
    message.text = Flatten(CTextEncoding::Cp1252ToUtf8(text));
    message.icon = icon;
    message.bQuestion = buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel;
    m_Messages.push_back(std::move(message));
    return DefaultAnswer(buttons);
}

std::vector<CStderrMessageService::Message> CStderrMessageService::TakeMessages()
{
    return std::exchange(m_Messages, {});
}

std::string CStderrMessageService::TakeLastText()
{
    std::vector<Message> messages = TakeMessages();
    return messages.empty() ? std::string() : messages.back().text;
}

void CStderrMessageService::PrintWarnings(const std::string& strWhere)
{
    for (const Message& message : TakeMessages())
        PrintWarning(strWhere, message.bQuestion ? CCliText::Format(IDS_CLI_ANSWERED_YES, {message.text})
                                                 : message.text);
}

void CStderrMessageService::PrintWarning(const std::string& strWhere, const std::string& strText)
{
    m_Err << strWhere << ": " << CCliText::Format(IDS_CLI_WARNING, {strText}) << '\n';
}

std::string CStderrMessageService::Flatten(const std::string& text)
{
    std::string result;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        const size_t first = line.find_first_not_of(" \t\r");
        const size_t last = line.find_last_not_of(" \t\r");
        line = first == std::string::npos ? std::string() : line.substr(first, last - first + 1);
        if (!line.empty()) {
            if (!result.empty())
                result += ' ';
            result += line;
        }
        start = end + 1;
    }
    return result;
}
