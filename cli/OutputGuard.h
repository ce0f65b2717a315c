#pragma once

#include <string>
#include <utility>
#include <vector>

class CJob;

// The files a command reads (or has already claimed as an output), against which every file
// it writes is checked: an output that would replace one of them is refused. Files are
// compared, not spellings: "./a.pvd", a link to it and the same name reached through a
// linked folder are one file, whether or not it exists yet.
class COutputGuard {
public:
    // Protects strPath; strRefusal is the text given for an output that is that file.
    void Protect(const std::string& strPath, std::string strRefusal);
    // Protects the job file and the picture it names.
    void ProtectJob(const CJob& job);
    // The refusal for strOutput; empty when it replaces none of the protected files.
    std::string Check(const std::string& strOutput) const;
    // Throws the refusal for strOutput (CCliError, "<strOutput>: <refusal>"), if any.
    void Enforce(const std::string& strOutput) const;

    // Whether the two paths lead to the same file (or to the same name in the same folder,
    // for a file not made yet).
    static bool SameFile(const std::string& strFirst, const std::string& strSecond);

private:
    std::vector<std::pair<std::string, std::string>> m_Protected;
};
