#include <gtest/gtest.h>

#include "platform/MessageService.h"
#include "tests/doubles/RecordingMessageService.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {

using Icon = CMessageService::Icon;
using Buttons = CMessageService::Buttons;
using Answer = CMessageService::Answer;

TEST(MessageService, DefaultServiceIsSilentAndLetsActionsGoOn)
{
    CMessageService& service = CMessageService::Get();
    EXPECT_EQ(service.MessageBox("text", Icon::Stop, Buttons::Ok), Answer::Ok);
    EXPECT_EQ(service.MessageBox("text", Icon::None, Buttons::OkCancel), Answer::Ok);
    EXPECT_EQ(service.MessageBox("text", Icon::Exclamation, Buttons::YesNo), Answer::Yes);
    EXPECT_EQ(service.MessageBox("text", Icon::Question, Buttons::YesNoCancel), Answer::Yes);
    service.BeginWaitCursor();
    service.EndWaitCursor();
    EXPECT_EQ(AfxMessageBox(IDS_FAILED_TO_OPEN, Icon::Stop), Answer::Ok);
}

TEST(MessageService, AfxMessageBoxUsesTheStringTableAndTheApplicationName)
{
    CStringTable::ResetToBuiltIn();
    CRecordingMessageService recorder(true);
    EXPECT_EQ(&CMessageService::Get(), &recorder);
    recorder.QueueAnswer(Answer::No);
    EXPECT_EQ(AfxMessageBox(IDS_LOSE_HAND_MODIFICATIONS, Icon::Exclamation, Buttons::YesNo), Answer::No);
    EXPECT_EQ(AfxMessageBox(IDS_FAILED_TO_OPEN, Icon::Stop), Answer::Ok);
    EXPECT_EQ(AfxMessageBox("Cannot handle 16 colors graphics.", Icon::Stop, Buttons::YesNo), Answer::Yes);

    ASSERT_EQ(recorder.Count(), 3u);
    const auto& m = recorder.Messages();
    EXPECT_EQ(m[0].text, "This will lost hand-modifications. Continue ?");
    EXPECT_EQ(m[0].caption, "Plotvane");
    EXPECT_EQ(m[0].icon, Icon::Exclamation);
    EXPECT_EQ(m[0].buttons, Buttons::YesNo);
    EXPECT_EQ(m[0].answer, Answer::No);
    EXPECT_EQ(m[1].text, "Failed to Open this file !");
    EXPECT_EQ(m[1].icon, Icon::Stop);
    EXPECT_EQ(m[1].buttons, Buttons::Ok);
    EXPECT_EQ(recorder.LastText(), "Cannot handle 16 colors graphics.");
}

TEST(MessageService, InstallationNestsAndRestores)
{
    CMessageService* pBefore = &CMessageService::Get();
    {
        CRecordingMessageService outer(true);
        {
            CRecordingMessageService inner(true);
            AfxMessageBox(IDS_OUT_OF_LIMITS, Icon::Information);
            EXPECT_EQ(inner.Count(), 1u);
        }
        EXPECT_EQ(&CMessageService::Get(), &outer);
        AfxMessageBox(IDS_OUT_OF_LIMITS, Icon::Information);
        EXPECT_EQ(outer.Count(), 1u);
    }
    EXPECT_EQ(&CMessageService::Get(), pBefore);

    CRecordingMessageService manual;
    CMessageService::Install(&manual);
    EXPECT_EQ(&CMessageService::Get(), &manual);
    CMessageService::Install(nullptr);
    EXPECT_EQ(&CMessageService::Get(), pBefore);
}

TEST(MessageService, RecorderAnswersFromItsQueueThenByDefault)
{
    CRecordingMessageService recorder;
    recorder.QueueAnswer(Answer::Cancel);
    recorder.QueueAnswer(Answer::No);
    EXPECT_EQ(recorder.MessageBox("a", Icon::None, Buttons::OkCancel), Answer::Cancel);
    EXPECT_EQ(recorder.MessageBox("b", Icon::None, Buttons::YesNo), Answer::No);
    EXPECT_EQ(recorder.MessageBox("c", Icon::None, Buttons::YesNo), Answer::Yes);
    EXPECT_EQ(recorder.MessageBox("d", Icon::None, Buttons::OkCancel, "Caption"), Answer::Ok);
    EXPECT_EQ(recorder.Messages().back().caption, "Caption");
    recorder.BeginWaitCursor();
    EXPECT_EQ(recorder.WaitCursorDepth(), 1);
    recorder.EndWaitCursor();
    EXPECT_EQ(recorder.WaitCursorDepth(), 0);
    recorder.Clear();
    EXPECT_EQ(recorder.Count(), 0u);
    EXPECT_EQ(recorder.LastText(), "");
}

}  // namespace
