#pragma once

#include <string>

// Message boxes of the program. The shell shows them; tests and the command line record
// or print them. Texts come from the string table in the active language.
class CMessageService {
public:
    enum class Icon { None, Stop, Information, Exclamation, Question };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~CMessageService() = default;

    // Shows text with the caption (the application name when empty) and returns the answer.
    virtual Answer MessageBox(const std::string& text, Icon icon, Buttons buttons,
                              const std::string& caption = std::string()) = 0;
    virtual void BeginWaitCursor() {}
    virtual void EndWaitCursor() {}

    // The process-wide service; a silent one answering Ok/Yes until the front installs its own.
    static CMessageService& Get();
    static void Install(CMessageService* pService);  // not owned; null restores the default

    // The answer that lets an action go on: Yes for the Yes/No kinds, Ok otherwise.
    static Answer DefaultAnswer(Buttons buttons);
};

// Shows a numbered string of the string table, titled with the application name.
CMessageService::Answer AfxMessageBox(unsigned nStringId, CMessageService::Icon icon,
                                      CMessageService::Buttons buttons = CMessageService::Buttons::Ok);
// Shows a text already made (a formatted string-table text), titled with the application name.
CMessageService::Answer AfxMessageBox(const std::string& text, CMessageService::Icon icon,
                                      CMessageService::Buttons buttons = CMessageService::Buttons::Ok);
