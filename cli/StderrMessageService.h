#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "platform/MessageService.h"

// The message service of plotvane-cli. The model shows its messages through message boxes;
// without a window they are held here until the command knows what they were: the reason
// of a refused operation (printed as the error that ends the command) or news that does not
// stop the work (printed on stderr as a warning, e.g. a redundant genesis point removed).
// Questions get the answer that lets the work go on (Yes), as a job answers them.
//
// Installs itself as the process-wide service for its lifetime and puts the previous one
// back when destroyed. The error stream is not owned.
class CStderrMessageService : public CMessageService {
public:
    struct Message {
        std::string text;  // one line: see Flatten
        Icon icon = Icon::None;
        bool bQuestion = false;
    };

    explicit CStderrMessageService(std::ostream& err);
    ~CStderrMessageService() override;
    CStderrMessageService(const CStderrMessageService&) = delete;
    CStderrMessageService& operator=(const CStderrMessageService&) = delete;

    Answer MessageBox(const std::string& text, Icon icon, Buttons buttons,
                      const std::string& caption = std::string()) override;

    // The messages shown since the last Take or Print, oldest first; forgets them.
    std::vector<Message> TakeMessages();
    // The text of the last message held, empty when none; forgets every message held.
    std::string TakeLastText();
    // Prints every message held as "<strWhere>: warning: <text>" (questions with
    // " (answered Yes)") and forgets them.
    void PrintWarnings(const std::string& strWhere);
    // Prints one warning line at once.
    void PrintWarning(const std::string& strWhere, const std::string& strText);

    // A message text on one line: its lines joined by single spaces, each trimmed.
    static std::string Flatten(const std::string& text);

private:
    std::ostream& m_Err;
    std::vector<Message> m_Messages;
    CMessageService* m_pPrevious = nullptr;
};
