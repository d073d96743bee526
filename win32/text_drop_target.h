#pragma once

#include "windows_api.h"

#include <ole2.h>

#include <functional>
#include <string>

namespace trelvo::win32 {

// A window's drop target that takes only text: a drag holding text is offered a copy,
// anything else (files, pictures) is refused, and a drop hands the text, as UTF-16, to
// the handler with the screen point it was dropped at. The handler decides what of it is
// inserted. Reference-counted like every COM object; the window's owner registers it.
class TextDropTarget final : public IDropTarget {
public:
    using DropHandler = std::function<void(const std::wstring& text, POINT screenPoint)>;

    explicit TextDropTarget(DropHandler onDrop) : onDrop_(std::move(onDrop)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;

private:
    ~TextDropTarget() = default; // only Release ends it

    LONG references_ = 1;
    bool holdsText_ = false; // whether the drag now over the window holds text
    DropHandler onDrop_;
};

// The text a data object holds, as UTF-16: its Unicode text, else its code-page text;
// empty when it holds neither.
std::wstring ReadDataObjectText(IDataObject* data);

} // namespace trelvo::win32
