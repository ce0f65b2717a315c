#pragma once

#include <stdexcept>
#include <string>
#include <system_error>

// Why a file the program was given was not read (CMappedFile): the text for the user, what
// was wrong, and the system's error number when the system refused.
class CInputFileError : public std::runtime_error {
public:
    enum class Reason { CannotOpen, NotRegular, TooLarge };

    CInputFileError(Reason reason, const std::string& strText, int nErrno = 0)
        : std::runtime_error(strText), m_Reason(reason), m_nErrno(nErrno)
    {
    }

    Reason GetReason() const { return m_Reason; }
    // The errno of the refused call; 0 when the refusal is the program's own.
    int GetErrno() const { return m_nErrno; }
    // What to tell the user: the system's reason when the system refused, else the text.
    std::string UserText() const
    {
        return m_nErrno != 0 ? std::error_code(m_nErrno, std::generic_category()).message() : what();
    }

private:
    Reason m_Reason;
    int m_nErrno;
};
