#pragma once

#include "win32/common/windows_api.h"

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

// "*.*" shows every file on Windows, names without a dot included.
inline constexpr wchar_t kAllFiles[] = L"All files (*.*)\0*.*\0";

// What a requester lists and how a save requester treats the name it is given.
struct RequesterOptions {
    const wchar_t* filter = kAllFiles; // name and pattern pairs as the API wants them
    const wchar_t* defaultExtension = nullptr; // added to a name typed without one
    bool confirmReplace = false;
};

// The system's open or save requester, showing all files unless told otherwise: the
// chosen full path (UTF-8, as long as the file system allows), or empty when cancelled.
// A requester that fails shows a "Warning" saying so and gives empty too. The open
// requester does not ask that the file exist, the save requester asks before replacing
// one only when told to, and neither changes the current folder. Title and default text
// are UTF-8.
std::string AskFileName(HWND owner, FileRequest request, const std::string& title,
                        const std::string& defaultText, const RequesterOptions& options = {});

} // namespace trelvo::win32
