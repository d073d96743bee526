#include "file_requester.h"

#include <commdlg.h>

namespace trelvo::win32 {
namespace {

constexpr std::size_t kLongestPath = MAX_PATH;

} // namespace

RequesterStart SplitDefaultText(const std::string& defaultText) {
    const std::size_t cut = defaultText.find_last_of("\\/");
    if (cut == std::string::npos)
        return {std::string(), defaultText};
    RequesterStart start{defaultText.substr(0, cut), defaultText.substr(cut + 1)};
    if (start.fileName.find_first_of("<>:\"|?*") != std::string::npos)
        start.fileName.clear();
    return start;
}

std::string AskFileName(HWND owner, FileRequest request, const std::string& title,
                        const std::string& defaultText, const RequesterOptions& options) {
    const RequesterStart start = SplitDefaultText(defaultText);
    std::string path(kLongestPath + 1, '\0');
    path.replace(0, std::min(start.fileName.size(), kLongestPath), start.fileName, 0, kLongestPath);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = options.filter;
    dialog.lpstrDefExt = options.defaultExtension;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(kLongestPath);
    dialog.lpstrInitialDir = start.folder.empty() ? nullptr : start.folder.c_str();
    dialog.lpstrTitle = title.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY |
                   (options.confirmReplace ? OFN_OVERWRITEPROMPT : 0);
    const BOOL chosen = request == FileRequest::Open ? ::GetOpenFileNameA(&dialog)
                                                     : ::GetSaveFileNameA(&dialog);
    if (!chosen)
        return {};
    path.resize(path.find('\0'));
    return path;
}

} // namespace trelvo::win32
