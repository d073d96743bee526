// Vantrel for Windows, the results viewer: one argument, the document file (a deck or a
// results file). trelvo passes a path with blanks unquoted, so its parts are joined again.
#include "command_line.h"
#include "viewer_program.h"
#include "windows_api.h"

int main(int argc, char** argv) {
    return trelvo::vantrel_win32::RunViewer(trelvo::viewer::DocumentArgument({argv, argv + argc}),
                                            SW_SHOWNORMAL);
}
