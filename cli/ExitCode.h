#pragma once

// Exit codes of plotvane-cli.
enum ExitCode : int {
    kExitOk = 0,
    kExitRefused = 1,     // the job or document was refused by the program's checks
    kExitUsage = 2,       // bad usage
    kExitUnreadable = 3,  // an input file could not be read or decoded
};
