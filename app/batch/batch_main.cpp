#include "app/batch/batch_main.h"

#include "app/batch/batch_options.h"
#include "app/batch/batch_run.h"

#include <algorithm>
#include <iostream>

#ifdef _WIN32
#include "files/wide_names.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#endif

namespace trelvo {

int RunBatch(const std::vector<std::string>& arguments) {
#ifdef _WIN32
    // Documents go in and out byte for byte: no CR LF may become LF, nor LF CR LF, on the way.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::vector<const char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(argument.c_str());
    const CommandLine line = ParseBatchCommandLine(static_cast<int>(argv.size()), argv.data());
    if (!line.analyse) {
        std::cout << line.out;
        std::cerr << line.err;
        std::cout.flush();
        return std::cout ? line.status : kBatchNotWritten;
    }
    int status = kBatchOk;
    for (const std::string& deck : line.options.decks)
        status =
            std::max<int>(status, AnalyseDeckFile(deck, line.options.output, std::cout, std::cerr));
    std::cout.flush();
    return std::cout ? status : kBatchNotWritten;
}

#ifdef _WIN32
std::vector<std::string> Utf8Arguments(int argc, const wchar_t* const* argv) {
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i)
        arguments.push_back(Utf8Name(argv[i]));
    return arguments;
}
#endif

} // namespace trelvo
