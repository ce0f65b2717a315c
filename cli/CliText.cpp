#include "cli/CliText.h"

#include <system_error>

#include "cli/StderrMessageService.h"
#include "platform/InputFileError.h"
#include "platform/NumberFormat.h"
#include "platform/StringTable.h"
#include "platform/TextEncoding.h"

std::string CCliText::Get(unsigned nId)
{
    return FromModel(CStringTable::Get(nId));
}

std::string CCliText::FromModel(const std::string& strText)
{
    return CStderrMessageService::Flatten(CTextEncoding::Cp1252ToUtf8(strText));
}

std::string CCliText::Format(unsigned nId, const std::vector<std::string>& values)
{
    return FormatWithStrings(Get(nId), values);
}

std::string CCliText::Join(const std::string& strFirst, const std::string& strSecond)
{
    if (strFirst.empty() || strSecond.empty())
        return strFirst + strSecond;
    const char cLast = strFirst.back();
    const bool bEnded = cLast == '.' || cLast == '!' || cLast == '?';
    return strFirst + (bEnded ? " " : ". ") + strSecond;
}

std::string CCliText::ReasonOf(const CInputFileError& error)
{
    // The system's reason is in the terminal's encoding already; the program's own is the model's.
    return error.GetErrno() != 0 ? error.UserText() : FromModel(error.UserText());
}
