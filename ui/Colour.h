#pragma once

#include <cstdint>
#include <string>

namespace trevalo::ui {

// The system colours the window uses; the binding maps each to the palette.
enum class SystemColour { ButtonFace, ButtonText, Window, WindowText, GreyText };

// A colour as the model states it: an RGB value or a system colour. It is
// plain data and knows nothing of any toolkit's palette.
struct Colour {
    bool is_system = true;
    SystemColour system = SystemColour::ButtonFace;
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    static constexpr Colour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b)
    {
        return Colour { false, SystemColour::ButtonFace, r, g, b };
    }
    static constexpr Colour of(SystemColour which) { return Colour { true, which, 0, 0, 0 }; }

    friend bool operator==(const Colour&, const Colour&) = default;

    // "rgb(255,255,192)" or "system(buttonface)", as the state dump writes it.
    std::string describe() const;
};

// The colours the window's design names.
namespace colours {
inline constexpr Colour yellow = Colour::rgb(255, 255, 192);
inline constexpr Colour grey_digit = Colour::rgb(128, 128, 128);
inline constexpr Colour red = Colour::rgb(255, 0, 0);
inline constexpr Colour blue = Colour::rgb(0, 0, 255);
inline constexpr Colour orange = Colour::rgb(255, 128, 0);
inline constexpr Colour light_orange = Colour::rgb(255, 192, 128);
inline constexpr Colour magenta = Colour::rgb(255, 0, 255);
// Trevalo's own: the copy feedback, dark enough to read on the button face.
inline constexpr Colour copied = Colour::rgb(0, 112, 0);
inline constexpr Colour face = Colour::of(SystemColour::ButtonFace);
inline constexpr Colour button_text = Colour::of(SystemColour::ButtonText);
inline constexpr Colour window = Colour::of(SystemColour::Window);
inline constexpr Colour window_text = Colour::of(SystemColour::WindowText);
inline constexpr Colour grey_text = Colour::of(SystemColour::GreyText);
}

}
