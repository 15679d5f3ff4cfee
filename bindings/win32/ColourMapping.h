#pragma once

#include "ui/Colour.h"

#include <windows.h>

#include <vector>

namespace trevalo::win32 {

// Turns the model's colours into GDI colours: RGB values as they are,
// system colours from the system's own (GetSysColor), read afresh each
// time so a changed desktop scheme shows at the next mirror. It keeps one
// solid brush per colour for the WM_CTLCOLOR* answers, which must outlive
// the call.
class ColourMapping {
public:
    ColourMapping() = default;
    ~ColourMapping();
    ColourMapping(const ColourMapping&) = delete;
    ColourMapping& operator=(const ColourMapping&) = delete;

    static COLORREF resolve(ui::Colour);
    HBRUSH brushFor(COLORREF);
    // After the system colours changed: brushes are made again as asked for.
    void forget();

private:
    struct Brush {
        COLORREF colour;
        HBRUSH handle;
    };
    std::vector<Brush> m_brushes;
};

}
