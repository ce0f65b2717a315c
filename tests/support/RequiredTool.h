#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

// Some tests need a program, a Python module or a locale that scripts/install-deps provides.
// Where one is missing they are skipped; in CI (CI set in the environment) the script has
// run, so a missing tool means a broken machine or script, and the test fails instead of
// passing without having run.
inline bool PlotvaneToolsRequired()
{
    const char* pszCi = std::getenv("CI");
    return pszCi != nullptr && *pszCi != '\0' && std::strcmp(pszCi, "false") != 0 &&
           std::strcmp(pszCi, "0") != 0;
}

// Ends the current test (a void function: a test body or SetUp), streaming reason.
#define SKIP_WITHOUT_TOOL(reason)                                                           \
    do {                                                                                    \
        if (PlotvaneToolsRequired())                                                        \
            FAIL() << reason << " (CI is set, and scripts/install-deps should provide it)"; \
        GTEST_SKIP() << reason;                                                             \
    } while (0)
