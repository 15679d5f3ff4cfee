#pragma once

#include "ui/Font.h"

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace trevalo::win32 {

// The design's fonts as GDI fonts at a dpi, made once and kept until the
// mapping goes. MS Sans Serif is drawn with its TrueType successor Microsoft
// Sans Serif (Windows' own MS Sans Serif is a bitmap font for 96 dpi), or a
// scalable MS Sans Serif where there is one (Wine's). Where the design's
// face is missing (Wine without fonts-wine, say) it takes a metric twin the
// machine has: Liberation Mono for Courier New, Liberation Sans for Arial,
// and a sans for MS Sans Serif. It loads no font files of its own.
class FontMapping {
public:
    FontMapping() = default;
    ~FontMapping();
    FontMapping(const FontMapping&) = delete;
    FontMapping& operator=(const FontMapping&) = delete;

    HFONT fontFor(const ui::Font&, int dpi);
    // The height of a line of `font`, in pixels.
    int lineHeight(HFONT font);

    // The face actually used for a design family, and whether it is the
    // design's own face (or its successor) rather than a stand-in.
    struct Face {
        std::wstring name;
        bool own = true;
        BYTE pitch_and_family = DEFAULT_PITCH | FF_DONTCARE;
    };
    static Face faceFor(std::string_view design_family);

private:
    struct Made {
        ui::Font font;
        int dpi = 0;
        HFONT handle = nullptr;
        int line_height = 0;
    };
    std::vector<Made> m_made;
};

}
