#pragma once

#include "win32/common/windows_api.h"

#include <ole2.h>

#include <functional>
#include <string>

namespace trelvo::win32 {

// A window's drop target for files and text: a drag holding a file (from Explorer) or
// text is offered a copy, anything else (pictures) is refused. A drop hands the first
// file's full path, as UTF-8, to the file handler; else the text, as UTF-16, to the text
// handler with the screen point it was dropped at, which decides what of it is inserted.
// A target without a text handler takes files only. Reference-counted like every COM
// object; the window's owner registers it.
class TextDropTarget final : public IDropTarget {
public:
    using DropHandler = std::function<void(const std::wstring& text, POINT screenPoint)>;
    using FileHandler = std::function<void(const std::string& path)>;

    TextDropTarget(DropHandler onDrop, FileHandler onFile)
        : onDrop_(std::move(onDrop)), onFile_(std::move(onFile)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;

private:
    ~TextDropTarget() = default; // only Release ends it

    DWORD Offer() const;

    LONG references_ = 1;
    bool holdsText_ = false; // whether the drag now over the window holds text
    bool holdsFiles_ = false;
    DropHandler onDrop_;
    FileHandler onFile_;
};

// The first file a data object holds (a drag from Explorer), as UTF-8; empty for none.
std::string ReadDataObjectFile(IDataObject* data);

// The text a data object holds, as UTF-16: its Unicode text, else its code-page text;
// empty when it holds neither.
std::wstring ReadDataObjectText(IDataObject* data);

} // namespace trelvo::win32
