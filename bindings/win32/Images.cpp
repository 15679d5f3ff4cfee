#include "bindings/win32/Images.h"

#include "bindings/win32/Resources.h"

#include <algorithm>
#include <map>

namespace trevalo::win32 {

HICON Images::icon(int size)
{
    static std::map<int, HICON> loaded;
    auto it = loaded.find(size);
    if (it != loaded.end())
        return it->second;
    auto handle = HICON(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(TREVALO_ICON_ID), IMAGE_ICON, size, size,
        LR_DEFAULTCOLOR));
    loaded[size] = handle;
    return handle;
}

void Images::draw(std::wstring_view name, HDC dc, const RECT& rect)
{
    const int side = std::min(int(rect.right - rect.left), int(rect.bottom - rect.top));
    if (side <= 0 || name != L"trevalo")
        return;
    if (HICON image = icon(side))
        DrawIconEx(dc, rect.left, rect.top, image, side, side, 0, nullptr, DI_NORMAL);
}

}
