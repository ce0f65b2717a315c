#pragma once

#include <functional>
#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

class CStderrMessageService;

// One command of plotvane-cli: its subcommand on the command line and the one handler that
// turns whatever ends the command into an exit code and a line on stderr, so that the exit
// codes of the command-line contract hold whatever happens: a refusal or failure
// (CCliError) keeps its own code, running out of memory is a refusal (1), anything
// unexpected is a failure (3). The messages the model showed before are printed first, as
// warnings.
class CCliCommand {
public:
    CCliCommand(CLI::App& parent, const std::string& strName, const std::string& strDescription);
    virtual ~CCliCommand() = default;
    CCliCommand(const CCliCommand&) = delete;
    CCliCommand& operator=(const CCliCommand&) = delete;

    bool WasChosen() const;
    // Runs the command; returns the process exit code. Data goes to out, failures and
    // warnings to err.
    int Run(std::ostream& out, std::ostream& err);

    // Runs work and returns its exit code, or the code of the exception that ends it, whose
    // message is printed on err (naming strWhere when the exception does not). The messages
    // held by pMessages (may be null) are printed as warnings about strWhere first.
    static int Guard(std::ostream& err, const std::string& strWhere, CStderrMessageService* pMessages,
                     const std::function<int()>& work);

protected:
    // The command's work. Fails by throwing CCliError; messages holds what the model shows.
    virtual void Execute(std::ostream& out, CStderrMessageService& messages) = 0;
    // The file the command is about, named in its messages.
    virtual const std::string& Subject() const = 0;

    CLI::App& Command() const { return *m_pCommand; }

private:
    CLI::App* m_pCommand;
};
