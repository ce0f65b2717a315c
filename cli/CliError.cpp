#include "cli/CliError.h"

#include "cli/CliText.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

CCliError CCliError::UnreadableDocument(const std::string& strPath, const std::string& strModelError)
{
    if (IsOutOfMemory(strModelError))
        return CCliError(kExitRefused, strPath + ": " + CCliText::Get(IDS_NOT_ENOUGH_MEMORY));
    return CCliError(kExitUnreadable, strPath + ": " +
                                          CCliText::Format(IDS_CLI_CANNOT_READ_DOCUMENT,
                                                           {CCliText::FromModel(strModelError)}));
}

bool CCliError::IsOutOfMemory(const std::string& strModelError)
{
    return strModelError == CStringTable::Get(IDS_NOT_ENOUGH_MEMORY);
}
