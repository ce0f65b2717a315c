#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/MessageService.h"

// A message service for tests: remembers every box shown and answers from a queue of
// scripted answers, then with the default answer (Ok, or Yes for Yes/No boxes).
// Installs itself as the process-wide service for its lifetime when asked to.
class CRecordingMessageService : public CMessageService {
public:
    struct Message {
        std::string text;
        std::string caption;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        Answer answer = Answer::Ok;
    };

    // With bInstall, becomes the process-wide service until destroyed (the previous one
    // comes back then).
    explicit CRecordingMessageService(bool bInstall = false);
    ~CRecordingMessageService() override;
    CRecordingMessageService(const CRecordingMessageService&) = delete;
    CRecordingMessageService& operator=(const CRecordingMessageService&) = delete;

    Answer MessageBox(const std::string& text, Icon icon, Buttons buttons,
                      const std::string& caption = std::string()) override;
    void BeginWaitCursor() override { ++m_nWaitCursorDepth; }
    void EndWaitCursor() override { --m_nWaitCursorDepth; }

    // Answers given to the next boxes, first in first out.
    void QueueAnswer(Answer answer) { m_answers.push_back(answer); }

    const std::vector<Message>& Messages() const { return m_messages; }
    size_t Count() const { return m_messages.size(); }
    // The text of the last box; empty when none was shown.
    std::string LastText() const { return m_messages.empty() ? std::string() : m_messages.back().text; }
    void Clear() { m_messages.clear(); }
    int WaitCursorDepth() const { return m_nWaitCursorDepth; }

private:
    std::vector<Message> m_messages;
    std::deque<Answer> m_answers;
    int m_nWaitCursorDepth = 0;
    bool m_bInstalled = false;
    CMessageService* m_pPrevious = nullptr;
};
