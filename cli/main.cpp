#include <csignal>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/CliError.h"
#include "cli/CliText.h"
#include "cli/DetectCommand.h"
#include "cli/ExportCommand.h"
#include "cli/InfoCommand.h"
#include "cli/RenderCommand.h"
#include "cli/RunCommand.h"
#include "cli/ScannersCommand.h"
#include "platform/StringIds.h"

namespace {

// What went to stdout must have reached it: a full disk or a closed pipe is a failure, not a
// success with the data lost.
void FlushStandardOutput()
{
    std::cout.flush();
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0 || !std::cout) {
        const int nError = errno;
        std::string strReason = CCliText::Get(IDS_CANNOT_WRITE);
        if (nError != 0)
            strReason += std::string(" (") + std::strerror(nError) + ")";
        throw CCliError(kExitUnreadable, CCliText::Get(IDS_CLI_STANDARD_OUTPUT) + ": " + strReason);
    }
}

int RunProgram(int argc, char** argv)
{
    // Past a file-size limit a write then fails with EFBIG, which the writers report and
    // clean up after, instead of the process being killed with its temporary files left.
    std::signal(SIGXFSZ, SIG_IGN);
    CLI::App app{"plotvane-cli: recover numbers from pictures of graphs, without a window"};
    app.require_subcommand(1);
    app.set_version_flag("--version", "plotvane-cli 0.1.0");
    CRunCommand run(app);
    CExportCommand exportCommand(app);
    CInfoCommand info(app);
    CRenderCommand render(app);
    CScannersCommand scanners(app);
    CDetectCommand detect(app);
    const std::vector<CCliCommand*> commands = {&run, &exportCommand, &info, &render, &scanners, &detect};

    int nCode = kExitUsage;
    try {
        app.parse(argc, argv);
        for (CCliCommand* pCommand : commands) {
            if (pCommand->WasChosen())
                nCode = pCommand->Run(std::cout, std::cerr);
        }
    } catch (const CLI::ParseError& e) {
        // Help and version are "errors" of the parser with exit code 0.
        const int nParserCode = app.exit(e);
        nCode = nParserCode == 0 ? kExitOk : kExitUsage;
    }
    FlushStandardOutput();
    return nCode;
}

}  // namespace

int main(int argc, char** argv)
{
    return CCliCommand::Guard(std::cerr, "plotvane-cli", nullptr,
                              [argc, argv]() { return RunProgram(argc, argv); });
}
