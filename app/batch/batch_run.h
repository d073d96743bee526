#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace trelvo {

// Exit statuses of the command-line analysis.
enum BatchStatus : int {
    kBatchOk = 0,
    kBatchUsage = 1,
    kBatchInputError = 2,    // deck refused or unreadable: no results file
    kBatchNotWritten = 3,    // the results file could not be written
};

struct BatchOptions {
    bool toStdout = false;
    bool help = false;
    std::vector<std::string> decks;
};

// Reads the command line; on a usage error returns false and says why in `error`.
bool ParseBatchOptions(const std::vector<std::string>& arguments, BatchOptions& options,
                       std::string& error);

// Does for one deck what Open followed by Run analysis does in the desktop program, on
// fresh tables, and writes the resulting document text to the results file or `out`.
BatchStatus AnalyseDeckFile(const std::string& deckPath, bool toStdout, std::ostream& out,
                            std::ostream& messages);

extern const char* const kBatchUsageText;

} // namespace trelvo
