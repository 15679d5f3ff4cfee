// Build-time tool: writes Trevalo's window icon as the PNG sizes of the
// freedesktop icon theme, so the installed icons are the very pixels the
// window shows, and no binary images live in the repository.
//
//     trevalo_render_icons OUTDIR SIZE...
//
// writes OUTDIR/SIZExSIZE/apps/trevalo.png for each SIZE.

#include "bindings/qt/WindowIcon.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTDIR SIZE...\n", argv[0]);
        return 2;
    }
    // QImage and QPainter draw without an application object: none is made,
    // so the tool needs no display and no platform plugin.
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || size < 1 || size > 1024) {
            std::fprintf(stderr, "not an icon size: %s\n", argv[i]);
            return 2;
        }
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
        const QString file = dir + QStringLiteral("/trevalo.png");
        if (!QDir().mkpath(dir) || !trevalo::qt::WindowIcon::draw(size).save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
