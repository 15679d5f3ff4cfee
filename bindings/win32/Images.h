#pragma once

#include <windows.h>

#include <string_view>

namespace trevalo::win32 {

// The application's own images, by the names picture boxes use, drawn from
// the executable's icon resource (made at build time from the same drawing
// as the Qt window's icon) at the size asked for. An unknown name, or a
// build without the icon, draws nothing.
class Images {
public:
    // The window icon at `size` pixels, loaded once per size; null without one.
    static HICON icon(int size);
    static void draw(std::wstring_view name, HDC, const RECT&);
};

}
