#pragma once

#include <stdexcept>
#include <string>

enum PLErrCode {
    PL_ERRWRONG_SIGNATURE = 1,
    PL_ERRFORMAT_UNKNOWN,
    PL_ERRFORMAT_NOT_SUPPORTED,
    PL_ERRBAD_FORMAT,
    PL_ERRNO_MEMORY,
    PL_ERRACCESS_DENIED,
    PL_ERRFILE_NOT_FOUND,
    PL_ERREND_OF_FILE,
    PL_ERRINTERNAL,
    PL_ERRLIMIT,  // the work of decoding passed a bound, or the user stopped it
};

// The image layer's error: a code and a message ("PPM decoder: Is not the correct
// identifier P3 or P6."). Every decoding failure is raised as one.
class PLTextException : public std::runtime_error {
public:
    PLTextException(PLErrCode code, const std::string& message) : std::runtime_error(message), m_Code(code) {}
    PLErrCode GetCode() const { return m_Code; }

private:
    PLErrCode m_Code;
};
