// Stands in for the viewer in the launch tests: writes the folder it was started in and
// each argument it was given, one a line, to launch-record.txt in that folder. Written
// under another name and renamed, so that the test never reads half a record.
#include "win32/common/windows_api.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv) {
    char folder[MAX_PATH + 1] = {};
    ::GetCurrentDirectoryA(MAX_PATH, folder);
    {
        std::ofstream record("launch-record.part", std::ios::binary | std::ios::trunc);
        record << folder << '\n';
        for (int i = 1; i < argc; ++i)
            record << argv[i] << '\n';
    }
    return std::rename("launch-record.part", "launch-record.txt") == 0 ? 0 : 1;
}
