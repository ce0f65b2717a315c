#include "main/steps/continuous/HandModifiedQuestion.h"

#include "Dm/ContinuousCurve.h"
#include "platform/MessageService.h"
#include "platform/StringIds.h"

bool CHandModifiedQuestion::MayRebuild(const CContinuousCurve& curve)
{
    if (!curve.IsHandModified())
        return true;
    return AfxMessageBox(IDS_LOSE_HAND_MODIFICATIONS, CMessageService::Icon::Exclamation,
                         CMessageService::Buttons::YesNo) == CMessageService::Answer::Yes;
}
