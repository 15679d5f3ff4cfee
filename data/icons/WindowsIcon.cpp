// Build-time tool: writes Trevalo's window icon as a Windows .ico holding
// the sizes Windows asks for at 100 % to 200 % scale, drawn by the window
// icon's own code, so the Windows program shows the very pixels the Qt
// window does, and no binary image lives in the repository.
//
//     trevalo_windows_icon OUTPUT.ico
//
// Sizes up to 64 pixels are 32-bit bitmaps with an alpha channel (what
// every Windows reads); 256 is a PNG, as Windows Vista and later take it.
// The file is rewritten only when its bytes change, so builds that embed it
// do not redo their work.

#include "bindings/qt/WindowIcon.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>

#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int sizes[] = { 16, 20, 24, 32, 40, 48, 64, 256 };
constexpr int png_from = 256;

void put16(QByteArray& out, std::uint16_t value)
{
    out.append(char(value & 0xFF));
    out.append(char(value >> 8));
}

void put32(QByteArray& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((value >> shift) & 0xFF));
}

// A BITMAPINFOHEADER and the pixels, bottom row first: blue, green, red and
// alpha, then the 1-bit mask (set where the icon is transparent), whose
// rows are padded to four bytes. The header's height counts both.
QByteArray bitmapEntry(const QImage& drawn)
{
    const QImage image = drawn.convertToFormat(QImage::Format_ARGB32);
    const int side = image.width();
    const int mask_row = ((side + 31) / 32) * 4;
    QByteArray out;
    put32(out, 40);
    put32(out, std::uint32_t(side));
    put32(out, std::uint32_t(side * 2));
    put16(out, 1);
    put16(out, 32);
    put32(out, 0);
    put32(out, std::uint32_t(side * side * 4 + mask_row * side));
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    for (int y = side - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < side; ++x) {
            out.append(char(qBlue(row[x])));
            out.append(char(qGreen(row[x])));
            out.append(char(qRed(row[x])));
            out.append(char(qAlpha(row[x])));
        }
    }
    for (int y = side - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QByteArray bits(mask_row, '\0');
        for (int x = 0; x < side; ++x) {
            if (qAlpha(row[x]) == 0)
                bits[x / 8] = char(bits[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(bits);
    }
    return out;
}

QByteArray pngEntry(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

QByteArray iconFile()
{
    std::vector<QByteArray> entries;
    for (int side : sizes) {
        const QImage image = trevalo::qt::WindowIcon::draw(side);
        entries.push_back(side >= png_from ? pngEntry(image) : bitmapEntry(image));
    }
    QByteArray out;
    put16(out, 0);
    put16(out, 1);
    put16(out, std::uint16_t(entries.size()));
    std::uint32_t offset = 6 + 16 * std::uint32_t(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int side = sizes[i];
        // A side of 256 is written as 0.
        out.append(char(side >= 256 ? 0 : side));
        out.append(char(side >= 256 ? 0 : side));
        out.append(char(0));
        out.append(char(0));
        put16(out, 1);
        put16(out, 32);
        put32(out, std::uint32_t(entries[i].size()));
        put32(out, offset);
        offset += std::uint32_t(entries[i].size());
    }
    for (const QByteArray& entry : entries)
        out.append(entry);
    return out;
}

}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.ico\n", argv[0]);
        return 2;
    }
    // QImage and QPainter draw without an application object: none is made,
    // so the tool needs no display and no platform plugin.
    const QByteArray icon = iconFile();
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (file.open(QIODevice::ReadOnly) && file.readAll() == icon)
        return 0;
    file.close();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(icon) != icon.size()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
