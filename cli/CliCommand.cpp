#include "cli/CliCommand.h"

#include <exception>
#include <new>
#include <ostream>

#include <CLI/CLI.hpp>

#include "cli/CliError.h"
#include "cli/CliText.h"
#include "cli/StderrMessageService.h"
#include "platform/StringIds.h"

CCliCommand::CCliCommand(CLI::App& parent, const std::string& strName, const std::string& strDescription)
    : m_pCommand(parent.add_subcommand(strName, strDescription))
{
}

bool CCliCommand::WasChosen() const
{
    return m_pCommand->parsed();
}

int CCliCommand::Run(std::ostream& out, std::ostream& err)
{
    CStderrMessageService messages(err);
    return Guard(err, Subject(), &messages, [this, &out, &messages]() {
        Execute(out, messages);
        messages.PrintWarnings(Subject());
        return static_cast<int>(kExitOk);
    });
}

int CCliCommand::Guard(std::ostream& err, const std::string& strWhere, CStderrMessageService* pMessages,
                       const std::function<int()>& work)
{
    auto report = [&err, &strWhere, pMessages](int nCode, const std::string& strLine) {
        if (pMessages != nullptr)
            pMessages->PrintWarnings(strWhere);
        err << strLine << '\n';
        return nCode;
    };
    try {
        return work();
    } catch (const CCliError& e) {
        return report(e.GetCode(), e.what());
    } catch (const std::bad_alloc&) {
        return report(kExitRefused, strWhere + ": " + CCliText::Get(IDS_NOT_ENOUGH_MEMORY));
    } catch (const std::exception& e) {
        return report(kExitUnreadable, strWhere + ": " + CCliText::Format(IDS_CLI_UNEXPECTED, {e.what()}));
    } catch (...) {
        return report(kExitUnreadable, strWhere + ": " + CCliText::Get(IDS_CLI_UNEXPECTED_UNKNOWN));
    }
}
