#pragma once

#include <string>

// Temporary files of the program: in the directory named by "TEMP", else the system's
// temporary directory; names follow the template "pltvaneXXXXXX" and are created
// atomically (no window between choosing a name and creating the file).
class CTempFile {
public:
    // The directory, ending with a path separator.
    static std::string Directory();
    // Creates a new empty unique file and returns its path; empty on failure.
    static std::string Create();
    // Why the last Create of this thread failed: the folder, then the system's reason.
    static std::string FailureMessage();
    // The same for a file made there that could not be written, for the reason nErrno.
    static std::string FailureMessage(int nErrno);

private:
    static std::string CreateFromTemplate(const std::string& path);

    static thread_local int s_nLastErrno;
};
