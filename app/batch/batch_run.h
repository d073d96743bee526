#pragma once

#include <iosfwd>
#include <string>

namespace trelvo {

// Exit statuses of the command-line analysis.
enum BatchStatus : int {
    kBatchOk = 0,
    kBatchUsage = 1,
    kBatchInputError = 2,    // deck refused or unreadable: no results file
    kBatchNotWritten = 3,    // the results file could not be written
};

// Where the results of a deck go.
enum class BatchOutput {
    kResultsFile, // the document text, to the file beside the deck
    kStdout,      // the document text, to standard output
    kJson,        // one JSON object a line, to standard output
};

// Does for one deck what Open followed by Run analysis does in the desktop program, on
// fresh tables, and writes the resulting document text to the results file or `out`; or,
// with BatchOutput::kJson, the deck's JSON object to `out` and nothing to `messages`.
// A deck named "-" is read from standard input.
BatchStatus AnalyseDeckFile(const std::string& deckPath, BatchOutput output, std::ostream& out,
                            std::ostream& messages);

} // namespace trelvo
