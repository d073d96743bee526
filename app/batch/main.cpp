#include "batch_run.h"

#include <algorithm>
#include <iostream>

int main(int argc, char** argv) {
    using namespace trelvo;
    BatchOptions options;
    std::string error;
    if (!ParseBatchOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        std::cerr << "trelvo-batch: " << error << "\n" << kBatchUsageText;
        return kBatchUsage;
    }
    if (options.help) {
        std::cout << kBatchUsageText;
        return kBatchOk;
    }
    int status = kBatchOk;
    for (const std::string& deck : options.decks)
        status = std::max<int>(status, AnalyseDeckFile(deck, options.toStdout, std::cout, std::cerr));
    std::cout.flush();
    return std::cout ? status : kBatchNotWritten;
}
