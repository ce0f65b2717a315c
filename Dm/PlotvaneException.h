#pragma once

#include <exception>
#include <string>
#include <utility>

// The program's own exception: one message text, meant for the user. Operations below the
// shell that fail in a way the user must hear about (the export writers that cannot open or
// write their file) throw it by value; the command that started the operation catches it by
// reference and shows the text.
class CPlotvaneException : public std::exception {
public:
    explicit CPlotvaneException(std::string strMessage) : m_strMessage(std::move(strMessage)) {}

    // A copy of the message text.
    std::string GetMessage() const { return m_strMessage; }
    const char* what() const noexcept override { return m_strMessage.c_str(); }

private:
    std::string m_strMessage;
};
