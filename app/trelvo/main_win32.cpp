// The Windows program: the windows, the platform and the shell, then the event loop.
// One optional argument names a document to open at start-up; further ones are ignored.
// The arguments come as UTF-16 (wmain), so that any file name arrives whole.
#include "win32/editor/program.h"
#include "files/wide_names.h"

int wmain(int argc, wchar_t** argv) {
    trelvo::win32::Program program(argc > 1 ? trelvo::Utf8Name(argv[1]) : "");
    program.Show(SW_SHOWNORMAL);
    return program.Run();
}
