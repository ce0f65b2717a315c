#pragma once

#include <string>

#include "cli/CliCommand.h"

// `plotvane-cli detect FIGURE [--page N] [--dpi D] [-o JOB.json] [--json]`: finds the
// coordinate systems of a picture (CAxesDetector) and writes them as a job that `run` accepts
// unchanged: the picture (its path made relative to the job's folder), one coordinate system a
// plot found. The job goes to -o, or to stdout without it; with --json, stdout gets a report of
// what was found and why instead. Nothing found: exit 1, the reason, nothing written.
class CDetectCommand : public CCliCommand {
public:
    explicit CDetectCommand(CLI::App& parent);

protected:
    void Execute(std::ostream& out, CStderrMessageService& messages) override;
    const std::string& Subject() const override { return m_strPath; }

private:
    // The picture's path as the job at m_strOutput names it.
    std::string ImagePathForJob() const;

    std::string m_strPath;
    std::string m_strOutput;
    int m_nPage = 0;
    int m_nDpi = 0;
    bool m_bJson = false;
};
