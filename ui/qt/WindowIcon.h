#pragma once

#include <QIcon>
#include <QImage>

namespace trevalo::ui::qt {

// Trevalo's window icon, drawn in code: a disc with a start arrow over it,
// the disc beginning to play where the author wants. No image files.
class WindowIcon {
public:
    static QIcon icon();
    static QImage draw(int size);
};

}
