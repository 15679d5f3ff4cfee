#include "bindings/qt/Images.h"

#include "bindings/qt/WindowIcon.h"

#include <algorithm>

namespace trevalo::qt {


QPixmap Images::pixmap(std::string_view name, QSize size)
{
    int side = std::min(size.width(), size.height());
    if (side <= 0)
        return {};
    if (name == "trevalo")
        return QPixmap::fromImage(WindowIcon::draw(side));
    return {};
}

}
