#include "ui/Font.h"

#include <cstdio>

namespace trevalo::ui {

std::string Font::describe() const
{
    char size[32];
    std::snprintf(size, sizeof size, "%g", points);
    std::string text = "\"" + family + "\" " + size;
    if (bold)
        text += " bold";
    if (italic)
        text += " italic";
    return text;
}

}
