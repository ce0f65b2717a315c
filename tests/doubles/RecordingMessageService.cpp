#include "tests/doubles/RecordingMessageService.h"

CRecordingMessageService::CRecordingMessageService(bool bInstall) : m_bInstalled(bInstall)
{
    if (m_bInstalled) {
        m_pPrevious = &CMessageService::Get();
        CMessageService::Install(this);
    }
}

CRecordingMessageService::~CRecordingMessageService()
{
    if (m_bInstalled && &CMessageService::Get() == this)
        CMessageService::Install(m_pPrevious);
}

CMessageService::Answer CRecordingMessageService::MessageBox(const std::string& text, Icon icon,
                                                             Buttons buttons, const std::string& caption)
{
    Answer answer = DefaultAnswer(buttons);
    if (!m_answers.empty()) {
        answer = m_answers.front();
        m_answers.pop_front();
    }
    m_messages.push_back({text, caption, icon, buttons, answer});
    return answer;
}
