#pragma once

#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

// `plotvane-cli info`: describes an image file (format, size and depth of the working
// bitmap it gives) as text or JSON.
class CInfoCommand {
public:
    explicit CInfoCommand(CLI::App& parent);

    bool WasChosen() const;
    // Returns the process exit code; data goes to out, failures to err.
    int Run(std::ostream& out, std::ostream& err) const;

private:
    CLI::App* m_pCommand = nullptr;
    std::string m_strPath;
    bool m_bJson = false;
};
