#pragma once

#include <QIcon>
#include <QImage>
#include <QList>

namespace trevalo::qt {

// Trevalo's window icon, drawn in code: a disc with a start arrow over it,
// the disc beginning to play where the author wants. No image files.
class WindowIcon {
public:
    // `ahead` may hold sizes drawn beforehand by drawOffered().
    static QIcon icon(const QList<QImage>& ahead = {});
    static QImage draw(int size);
    // Every size the icon offers. It paints on images only, so it may run on
    // any thread once the application object exists.
    static QList<QImage> drawOffered();

private:
    static QList<int> offered();
};

}
