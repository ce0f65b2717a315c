// Feeds arbitrary bytes to job reading and building. The text is read as a job; when it is
// one, the document it describes is built on the sample graph (whatever picture it names) and
// without its save and export, so that nothing is written and no other file is read. A
// refusal or an unreadable job must end in the command line's own error; nothing else may
// happen.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>

#include <nlohmann/json.hpp>

#include "Dm/PlotvaneDoc.h"
#include "cli/CliError.h"
#include "cli/Job.h"
#include "cli/JobRunner.h"
#include "cli/StderrMessageService.h"

namespace {

const char kJobName[] = "fuzz/job.json";

// The text as a job whose picture is the sample graph and that writes nothing; empty when the
// text is no JSON object.
std::string OnSampleGraph(const std::string& strText)
{
    nlohmann::json job = nlohmann::json::parse(strText, nullptr, false);
    if (!job.is_object())
        return std::string();
    job["image"] = PLOTVANE_SAMPLE_GRAPH;
    job.erase("save");
    job.erase("export");
    return job.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

void Build(const std::string& strText)
{
    std::ostringstream err;
    CStderrMessageService messages(err);
    try {
        const std::unique_ptr<CJob> pJob = CJob::Parse(strText, kJobName);
        CPlotvaneDoc doc;
        CJobRunner runner(*pJob, messages);
        runner.Build(doc);
    } catch (const CCliError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string strText(reinterpret_cast<const char*>(data), size);
    try {
        const std::unique_ptr<CJob> pJob = CJob::Parse(strText, kJobName);
    } catch (const CCliError&) {
        return 0;
    }
    const std::string strOnSample = OnSampleGraph(strText);
    if (!strOnSample.empty())
        Build(strOnSample);
    return 0;
}
