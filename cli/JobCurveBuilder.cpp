#include "cli/JobCurveBuilder.h"

#include <array>
#include <optional>
#include <vector>

#include "Dm/BmpManager.h"
#include "Dm/ColorScale.h"
#include "Dm/Curve.h"
#include "Dm/PlotvaneDoc.h"
#include "cli/CliText.h"
#include "cli/JobValue.h"
#include "cli/StderrMessageService.h"
#include "platform/MessageService.h"
#include "platform/StringIds.h"

CJobCurveBuilder::CJobCurveBuilder(CPlotvaneDoc& doc, CCoordSyst& coordSyst, CStderrMessageService& messages,
                                   CJobWorkBudget& budget)
    : m_Doc(doc), m_CoordSyst(coordSyst), m_Messages(messages), m_Budget(budget)
{
}

std::string CJobCurveBuilder::RangeMessage(int nMin, int nMax)
{
    return CCliText::Format(IDS_CLI_INTEGER_FIELD_RANGE, {std::to_string(nMin), std::to_string(nMax)});
}

std::string CJobCurveBuilder::Text(unsigned nStringId)
{
    return CCliText::Get(nStringId);
}

void CJobCurveBuilder::ApplyName(CCurve& curve, const CJobValue& item)
{
    const std::optional<CJobValue> name = item.Find("name");
    if (!name)
        return;
    const std::string strName = name->AsText();
    if (strName.empty())
        name->Refuse(CCliText::Get(IDS_CLI_CURVE_NEEDS_NAME));
    // The job's own index of the names when it has one; the question is the dialogs'.
    if (m_pCurveNames == nullptr)
        m_Doc.CheckCurveName(&curve, strName);
    else if (m_pCurveNames->count(strName) != 0)
        AfxMessageBox(IDS_SAME_CURVE_NAME, CMessageService::Icon::Exclamation,
                      CMessageService::Buttons::YesNo);
    Warn(*name);
    if (curve.GetName() != strName)
        curve.SetName(strName);
}

CPoint CJobCurveBuilder::PointOnPicture(const CJobValue& value) const
{
    return value.AsPointOn(m_Doc.GetBmpManager()->GetSize());
}

uint32_t CJobCurveBuilder::PixelColor(const CJobValue& value)
{
    const std::array<long long, 3> rgb = value.AsColor();
    for (long long component : rgb) {
        if (component < 0 || component > 255)
            value.Refuse(Text(IDS_COLORS_RANGE));
    }
    return CColorScale::MakePixel(static_cast<uint8_t>(rgb[0]), static_cast<uint8_t>(rgb[1]),
                                  static_cast<uint8_t>(rgb[2]));
}

void CJobCurveBuilder::RefuseWithShownMessage(const CJobValue& value, const std::string& strFallback)
{
    std::vector<CStderrMessageService::Message> messages = m_Messages.TakeMessages();
    const std::string strReason = messages.empty() ? strFallback : messages.back().text;
    if (!messages.empty())
        messages.pop_back();
    for (const CStderrMessageService::Message& message : messages)
        m_Messages.PrintWarning(value.Where(), message.text);
    value.Refuse(strReason);
}

void CJobCurveBuilder::Warn(const CJobValue& value)
{
    m_Messages.PrintWarnings(value.Where());
}
