#include <csignal>
#include <iostream>

#include <CLI/CLI.hpp>

#include "cli/ExitCode.h"
#include "cli/ExportCommand.h"
#include "cli/InfoCommand.h"
#include "cli/RenderCommand.h"
#include "cli/RunCommand.h"

int main(int argc, char** argv)
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

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return kExitUsage;
    }

    if (run.WasChosen())
        return run.Run(std::cout, std::cerr);
    if (exportCommand.WasChosen())
        return exportCommand.Run(std::cout, std::cerr);
    if (info.WasChosen())
        return info.Run(std::cout, std::cerr);
    if (render.WasChosen())
        return render.Run(std::cout, std::cerr);
    return kExitUsage;
}
