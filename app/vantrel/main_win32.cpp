// Vantrel for Windows, the results viewer: one argument, the document file (a deck or a
// results file). trelvo passes a path with blanks unquoted, so its parts are joined again.
// The arguments come as UTF-16 (wmain), so that any file name arrives whole.
#include "viewer/command_line.h"
#include "win32/viewer/viewer_program.h"
#include "files/wide_names.h"
#include "win32/common/windows_api.h"

#include <string>
#include <vector>

int wmain(int argc, wchar_t** argv) {
    using namespace trelvo;
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i)
        arguments.push_back(Utf8Name(argv[i]));
    return win32::RunViewer(viewer::DocumentArgument(arguments), SW_SHOWNORMAL);
}
