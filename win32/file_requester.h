#pragma once

#include "windows_api.h"

#include <string>

namespace trelvo::win32 {

enum class FileRequest { Open, Save };

// Where a requester starts: the default text cut at its last folder separator into the
// initial folder and the pre-filled file name (empty when it holds a character no file
// name may hold).
struct RequesterStart {
    std::string folder;
    std::string fileName;
};
RequesterStart SplitDefaultText(const std::string& defaultText);

// The system's open or save requester showing all files: the chosen full path, or empty
// when cancelled. The open requester does not ask that the file exist, the save requester
// does not ask before replacing one, and neither changes the current folder.
std::string AskFileName(HWND owner, FileRequest request, const std::string& title,
                        const std::string& defaultText);

} // namespace trelvo::win32
