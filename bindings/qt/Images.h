#pragma once

#include <QPixmap>
#include <QSize>

#include <string_view>

namespace trevalo::qt {

// The application's own images, by the names picture boxes use. Each is drawn
// in code at the size asked for; an unknown name gives a null pixmap.
class Images {
public:
    static QPixmap pixmap(std::string_view name, QSize size);
};

}
