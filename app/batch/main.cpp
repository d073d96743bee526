#include "batch_options.h"
#include "batch_run.h"

#include <algorithm>
#include <iostream>

int main(int argc, char** argv) {
    using namespace trelvo;
    const CommandLine line = ParseBatchCommandLine(argc, argv);
    if (!line.analyse) {
        std::cout << line.out;
        std::cerr << line.err;
        std::cout.flush();
        return std::cout ? line.status : kBatchNotWritten;
    }
    int status = kBatchOk;
    for (const std::string& deck : line.options.decks)
        status = std::max<int>(status, AnalyseDeckFile(deck, line.options.output, std::cout, std::cerr));
    std::cout.flush();
    return std::cout ? status : kBatchNotWritten;
}
