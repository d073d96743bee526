// Vantrel for Windows, the results viewer: one argument, the document file (a deck or a
// results file). trelvo passes a path with blanks unquoted, so its parts are joined again.
#include "command_line.h"
#include "command_line_arguments.h"
#include "viewer_program.h"
#include "windows_api.h"

int main() {
    using namespace trelvo;
    return vantrel_win32::RunViewer(viewer::DocumentArgument(vantrel_win32::CommandLineArguments()),
                                    SW_SHOWNORMAL);
}
