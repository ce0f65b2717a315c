#pragma once

#include <stdexcept>
#include <string>

#include "cli/ExitCode.h"

// The failure of a command: the exit code it ends with and the whole line it prints on
// stderr, already naming the file (and, for a job, the JSON path of the offending item),
// e.g. "job.json: coordinate_systems[0].curves[1].genesis[2]: Out of limits !".
class CCliError : public std::runtime_error {
public:
    CCliError(ExitCode code, const std::string& strMessage) : std::runtime_error(strMessage), m_Code(code) {}

    ExitCode GetCode() const { return m_Code; }

    // A document that could not be read, with the model's reason (Windows-1252): exit 3,
    // or exit 1 with "Not enough memory !" when the memory ran out.
    static CCliError UnreadableDocument(const std::string& strPath, const std::string& strModelError);
    // Whether the model's reason is its lack of memory.
    static bool IsOutOfMemory(const std::string& strModelError);

private:
    ExitCode m_Code;
};
