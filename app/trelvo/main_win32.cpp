// The Windows program: the windows, the platform and the shell, then the event loop.
// One optional argument names a document to open at start-up; further ones are ignored.
#include "program.h"

int main(int argc, char** argv) {
    trelvo::win32::Program program(argc > 1 ? argv[1] : "");
    program.Show(SW_SHOWNORMAL);
    return program.Run();
}
