#pragma once

#include <string>

namespace trevalo::ui {

// A font as the design names it. The binding picks the nearest face the
// machine has (a metric twin where one exists); the model never measures text.
struct Font {
    std::string family = "MS Sans Serif";
    double points = 8.25;
    bool bold = false;
    bool italic = false;

    friend bool operator==(const Font&, const Font&) = default;

    std::string describe() const;
};

namespace fonts {
inline const Font sans {};
inline const Font sans_bold { "MS Sans Serif", 8.25, true, false };
inline const Font fixed { "Courier New", 8.25, false, false };
inline const Font step_digit { "Arial", 14.25, true, false };
// Liberation Sans and Arial, standing in for MS Sans Serif where a machine
// lacks it, draw wider at the same size: at this size for the design's 8.25
// points every caption fits its control, in every binding.
inline constexpr double sans_stand_in_points = 7.5;
}

}
