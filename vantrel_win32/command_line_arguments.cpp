#include "command_line_arguments.h"

#include "wide_names.h"
#include "windows_api.h"

#include <shellapi.h>

namespace trelvo::vantrel_win32 {

std::vector<std::string> CommandLineArguments() {
    int count = 0;
    LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> utf8;
    if (!arguments)
        return utf8;
    for (int i = 0; i < count; ++i)
        utf8.push_back(Utf8Name(arguments[i]));
    ::LocalFree(arguments);
    return utf8;
}

} // namespace trelvo::vantrel_win32
