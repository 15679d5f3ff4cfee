#pragma once

namespace trevalo::ui {

// A control's rectangle in twips, relative to its container's client area.
struct Place {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }

    friend bool operator==(const Place&, const Place&) = default;
};

// 1/1440 inch; 15 of them make a pixel at 96 dots per inch.
inline constexpr int twips_per_pixel_at_96_dpi = 15;

}
