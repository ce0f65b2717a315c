#pragma once

#include <cstdlib>
#include <optional>
#include <string>

// Points "TEMP" at a test's own folder while it lives, and gives the variable back as it was
// (set to its old value, or unset) when it goes.
class CTempVariable {
public:
    explicit CTempVariable(const std::string& strFolder)
    {
        if (const char* old = std::getenv("TEMP"))
            m_old = old;
        ::setenv("TEMP", strFolder.c_str(), 1);
    }
    ~CTempVariable()
    {
        if (m_old)
            ::setenv("TEMP", m_old->c_str(), 1);
        else
            ::unsetenv("TEMP");
    }
    CTempVariable(const CTempVariable&) = delete;
    CTempVariable& operator=(const CTempVariable&) = delete;

private:
    std::optional<std::string> m_old;
};
