#include "bindings/win32/Win32FolderChooser.h"

#include "bindings/win32/TextMapping.h"
#include "bindings/win32/WindowHost.h"

#include <shobjidl.h>

namespace trevalo::win32 {

namespace {

// Releases a COM interface when it goes.
template <typename Interface>
class Held {
public:
    Held() = default;
    ~Held()
    {
        if (m_pointer)
            m_pointer->Release();
    }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;

    Interface** out() { return &m_pointer; }
    Interface* operator->() const { return m_pointer; }
    Interface* get() const { return m_pointer; }

private:
    Interface* m_pointer = nullptr;
};

}

std::optional<std::string> Win32FolderChooser::chooseFolder(std::string_view title, std::string_view start)
{
    if (on_before_show)
        on_before_show();
    Held<IFileOpenDialog> dialog;
    if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(dialog.out()))))
        return std::nullopt;
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST | FOS_NOCHANGEDIR);
    const std::wstring caption = TextMapping::wide(title);
    dialog->SetTitle(caption.c_str());
    if (!start.empty()) {
        Held<IShellItem> folder;
        if (SUCCEEDED(SHCreateItemFromParsingName(TextMapping::wide(start).c_str(), nullptr, IID_PPV_ARGS(folder.out()))))
            dialog->SetFolder(folder.get());
    }
    HWND owner = WindowHost::of(GetActiveWindow()) ? GetActiveWindow() : m_owner;
    if (FAILED(dialog->Show(owner)))
        return std::nullopt;
    Held<IShellItem> chosen;
    if (FAILED(dialog->GetResult(chosen.out())))
        return std::nullopt;
    PWSTR path = nullptr;
    if (FAILED(chosen->GetDisplayName(SIGDN_FILESYSPATH, &path)) || !path)
        return std::nullopt;
    std::string folder = TextMapping::utf8(path);
    CoTaskMemFree(path);
    return folder;
}

}
