#include "batch_options.h"
#include "batch_run.h"

#include <algorithm>
#include <iostream>

#ifdef _WIN32
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
    using namespace trelvo;
#ifdef _WIN32
    // Documents go in and out byte for byte: no CR LF may become LF, nor LF CR LF, on the way.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
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
