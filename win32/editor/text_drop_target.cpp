#include "win32/editor/text_drop_target.h"

#include "files/wide_names.h"

#include <shellapi.h>

#include <optional>

namespace trelvo::win32 {
namespace {

FORMATETC TextFormat(CLIPFORMAT format) { return FORMATETC{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

bool Holds(IDataObject* data, CLIPFORMAT format) {
    FORMATETC wanted = TextFormat(format);
    return data && data->QueryGetData(&wanted) == S_OK;
}

// The characters of one text format, as UTF-16; nullopt when the object does not give it.
std::optional<std::wstring> ReadFormat(IDataObject* data, CLIPFORMAT format) {
    FORMATETC wanted = TextFormat(format);
    STGMEDIUM medium{};
    if (data->GetData(&wanted, &medium) != S_OK)
        return std::nullopt;
    std::optional<std::wstring> text;
    if (const void* bytes = ::GlobalLock(medium.hGlobal)) {
        // A global block's size may be rounded up: the text ends at its first NUL.
        const SIZE_T size = ::GlobalSize(medium.hGlobal);
        if (format == CF_UNICODETEXT) {
            const auto* characters = static_cast<const wchar_t*>(bytes);
            text = std::wstring(characters, ::wcsnlen(characters, size / sizeof(wchar_t)));
        } else {
            const auto* characters = static_cast<const char*>(bytes);
            const int length = static_cast<int>(::strnlen(characters, size));
            std::wstring wide(static_cast<std::size_t>(length), L'\0');
            wide.resize(static_cast<std::size_t>(
                ::MultiByteToWideChar(CP_ACP, 0, characters, length, wide.data(), length)));
            text = std::move(wide);
        }
        ::GlobalUnlock(medium.hGlobal);
    }
    ::ReleaseStgMedium(&medium);
    return text;
}

} // namespace

std::wstring ReadDataObjectText(IDataObject* data) {
    if (!data)
        return {};
    for (const CLIPFORMAT format : {CLIPFORMAT{CF_UNICODETEXT}, CLIPFORMAT{CF_TEXT}}) {
        if (std::optional<std::wstring> text = ReadFormat(data, format))
            return *text;
    }
    return {};
}

std::string ReadDataObjectFile(IDataObject* data) {
    FORMATETC wanted = TextFormat(CF_HDROP);
    STGMEDIUM medium{};
    if (!data || data->GetData(&wanted, &medium) != S_OK)
        return {};
    std::string path;
    if (const auto drop = static_cast<HDROP>(::GlobalLock(medium.hGlobal))) {
        const UINT length = ::DragQueryFileW(drop, 0, nullptr, 0);
        std::wstring name(length + 1, L'\0');
        if (length > 0 && ::DragQueryFileW(drop, 0, name.data(), length + 1) == length)
            path = Utf8Name(std::wstring_view(name.data(), length));
        ::GlobalUnlock(medium.hGlobal);
    }
    ::ReleaseStgMedium(&medium);
    return path;
}

HRESULT TextDropTarget::QueryInterface(REFIID id, void** object) {
    if (!object)
        return E_POINTER;
    if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDropTarget)) {
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG TextDropTarget::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }

ULONG TextDropTarget::Release() {
    const LONG left = ::InterlockedDecrement(&references_);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

DWORD TextDropTarget::Offer() const { return holdsText_ || holdsFiles_ ? DROPEFFECT_COPY : DROPEFFECT_NONE; }

HRESULT TextDropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    holdsFiles_ = onFile_ && Holds(data, CF_HDROP);
    holdsText_ = onDrop_ && (Holds(data, CF_UNICODETEXT) || Holds(data, CF_TEXT));
    *effect = Offer();
    return S_OK;
}

HRESULT TextDropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
    *effect = Offer();
    return S_OK;
}

HRESULT TextDropTarget::DragLeave() {
    holdsText_ = holdsFiles_ = false;
    return S_OK;
}

// A copy, never a move: the source keeps its file or text, whatever the editor makes of
// it. A drag from a file manager may carry the name as text too: the file wins.
HRESULT TextDropTarget::Drop(IDataObject* data, DWORD, POINTL point, DWORD* effect) {
    const std::string file = holdsFiles_ ? ReadDataObjectFile(data) : std::string{};
    const std::wstring text = holdsText_ && file.empty() ? ReadDataObjectText(data) : std::wstring{};
    holdsText_ = holdsFiles_ = false;
    *effect = file.empty() && text.empty() ? DROPEFFECT_NONE : DROPEFFECT_COPY;
    if (!file.empty())
        onFile_(file);
    else if (!text.empty())
        onDrop_(text, POINT{point.x, point.y});
    return S_OK;
}

} // namespace trelvo::win32
