#include "win32/common/file_requester.h"

#include "win32/common/message_box.h"
#include "engine/run_analysis.h"
#include "files/wide_names.h"

#include <commdlg.h>

namespace trelvo::win32 {
namespace {

// The longest path the wide-character calls take.
constexpr std::size_t kLongestPath = 32767;

std::string FailureText(DWORD error) {
    if (error == FNERR_BUFFERTOOSMALL)
        return "The chosen file name is longer than Windows allows; nothing was opened or saved.";
    return "The file requester could not be shown (error " + std::to_string(error) +
           "); nothing was opened or saved.";
}

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
    const std::wstring folder = WideName(start.folder), caption = WideName(title);
    std::wstring path = WideName(start.fileName);
    path.resize(kLongestPath + 1, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = options.filter;
    dialog.lpstrDefExt = options.defaultExtension;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = caption.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY |
                   (options.confirmReplace ? OFN_OVERWRITEPROMPT : 0);
    const BOOL chosen = request == FileRequest::Open ? ::GetOpenFileNameW(&dialog)
                                                     : ::GetSaveFileNameW(&dialog);
    if (!chosen) {
        // A cancel leaves no error; anything else is said, never taken for a cancel.
        if (const DWORD error = ::CommDlgExtendedError())
            ShowMessageBox(owner, kWarningTitle, FailureText(error));
        return {};
    }
    path.resize(path.find(L'\0'));
    return Utf8Name(path);
}

} // namespace trelvo::win32
