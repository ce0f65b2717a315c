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
    // Creates a new empty unique file in the folder of target, named after it
    // (".name.XXXXXX"), for writing a file completely before renaming it over target;
    // empty on failure.
    static std::string CreateBeside(const std::string& target);

private:
    static std::string CreateFromTemplate(const std::string& path);
};
