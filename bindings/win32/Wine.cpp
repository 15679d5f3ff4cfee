#include "bindings/win32/Wine.h"

#include <windows.h>

namespace trevalo::win32 {

bool Wine::running()
{
    // Wine's ntdll exports its version; Windows' does not.
    static const bool wine = [] {
        HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
        return ntdll && GetProcAddress(ntdll, "wine_get_version");
    }();
    return wine;
}

}
