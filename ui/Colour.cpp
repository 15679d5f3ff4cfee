#include "ui/Colour.h"

namespace trevalo::ui {

std::string Colour::describe() const
{
    if (!is_system)
        return "rgb(" + std::to_string(red) + "," + std::to_string(green) + "," + std::to_string(blue) + ")";
    switch (system) {
    case SystemColour::ButtonFace:
        return "system(buttonface)";
    case SystemColour::ButtonText:
        return "system(buttontext)";
    case SystemColour::Window:
        return "system(window)";
    case SystemColour::WindowText:
        return "system(windowtext)";
    case SystemColour::GreyText:
        return "system(greytext)";
    }
    return "system(?)";
}

}
