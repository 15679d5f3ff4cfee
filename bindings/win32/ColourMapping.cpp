#include "bindings/win32/ColourMapping.h"

namespace trevalo::win32 {

ColourMapping::~ColourMapping()
{
    forget();
}

COLORREF ColourMapping::resolve(ui::Colour colour)
{
    if (!colour.is_system)
        return RGB(colour.red, colour.green, colour.blue);
    switch (colour.system) {
    case ui::SystemColour::ButtonFace:
        return GetSysColor(COLOR_BTNFACE);
    case ui::SystemColour::ButtonText:
        return GetSysColor(COLOR_BTNTEXT);
    case ui::SystemColour::Window:
        return GetSysColor(COLOR_WINDOW);
    case ui::SystemColour::WindowText:
        return GetSysColor(COLOR_WINDOWTEXT);
    case ui::SystemColour::GreyText:
        return GetSysColor(COLOR_GRAYTEXT);
    }
    return GetSysColor(COLOR_BTNFACE);
}

HBRUSH ColourMapping::brushFor(COLORREF colour)
{
    for (const Brush& brush : m_brushes) {
        if (brush.colour == colour)
            return brush.handle;
    }
    HBRUSH handle = CreateSolidBrush(colour);
    m_brushes.push_back({ colour, handle });
    return handle;
}

void ColourMapping::forget()
{
    for (const Brush& brush : m_brushes)
        DeleteObject(brush.handle);
    m_brushes.clear();
}

}
