#pragma once

#include "app/batch/batch_run.h"

#include <string>
#include <vector>

namespace trelvo {

struct BatchOptions {
    BatchOutput output = BatchOutput::kResultsFile;
    std::vector<std::string> decks;
};

// What the command line asks for: to analyse `options.decks`, or to stop at once with
// `status` after printing `out` to standard output and `err` to standard error (the help,
// the version, or a usage error followed by the help).
struct CommandLine {
    BatchOptions options;
    bool analyse = false;
    int status = kBatchOk;
    std::string out;
    std::string err;
};

CommandLine ParseBatchCommandLine(int argc, const char* const* argv);

} // namespace trelvo
