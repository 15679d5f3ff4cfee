#include "disc/NavPack.h"

#include "disc/ByteSpan.h"

namespace trevalo::disc {

namespace {

// Where the parts of a navigation pack stand: a pack header, a system
// header, then the presentation control packet (PCI) and the data search
// packet (DSI), each a private stream 2 packet led by its substream byte.
constexpr std::size_t pci_packet = 0x26;
constexpr std::size_t pci = 0x2D;
constexpr std::size_t dsi_packet = 0x400;
constexpr std::size_t dsi = 0x407;

// Within the PCI.
constexpr std::size_t highlight_status = 0x60;
constexpr std::size_t button_mode = 0x6E;
constexpr std::size_t button_offset = 0x70;
constexpr std::size_t button_count = 0x71;
constexpr std::size_t selectable_count = 0x72;
constexpr std::size_t forced_select = 0x74;
constexpr std::size_t forced_activate = 0x75;
constexpr std::size_t buttons = 0x8E;
constexpr std::size_t button_size = 18;
constexpr int button_slots = 36;

bool startsPacket(const ByteSpan& bytes, std::size_t at, std::uint8_t stream)
{
    return bytes.u8(at) == 0 && bytes.u8(at + 1) == 0 && bytes.u8(at + 2) == 1 && bytes.u8(at + 3) == stream;
}

}

NavPackRead readNavPack(std::span<const std::uint8_t> sector)
{
    NavPackRead read;
    if (sector.size() < pack_size)
        return read;
    const ByteSpan bytes { sector };
    if (!startsPacket(bytes, 0, 0xBA) || !startsPacket(bytes, pci_packet, 0xBF) || bytes.u8(pci_packet + 6) != 0x00)
        return read;
    read.is_nav_pack = true;
    if (startsPacket(bytes, dsi_packet, 0xBF) && bytes.u8(dsi_packet + 6) == 0x01)
        read.next_vobu = (bytes.u32(dsi + 8) & 0x3FFFFFFF) + 1;

    const std::uint8_t status = bytes.u16(pci + highlight_status) & 3;
    if (status == 0)
        return read;
    Highlight highlight;
    highlight.status = status;
    highlight.button_groups = static_cast<std::uint8_t>((bytes.u16(pci + button_mode) >> 12) & 3);
    highlight.first_button = bytes.u8(pci + button_offset);
    highlight.selectable = bytes.u8(pci + selectable_count);
    highlight.forced_select = bytes.u8(pci + forced_select);
    highlight.forced_activate = bytes.u8(pci + forced_activate);
    const int count = bytes.u8(pci + button_count);
    for (int i = 0; i < count && i < button_slots; ++i) {
        const std::size_t b = pci + buttons + button_size * static_cast<std::size_t>(i);
        const std::uint8_t b0 = bytes.u8(b), b1 = bytes.u8(b + 1), b2 = bytes.u8(b + 2);
        const std::uint8_t b3 = bytes.u8(b + 3), b4 = bytes.u8(b + 4), b5 = bytes.u8(b + 5);
        Button button;
        button.number = i + 1;
        button.colour = b0 >> 6;
        button.x_start = static_cast<std::uint16_t>((b0 & 0x3F) << 4 | b1 >> 4);
        button.x_end = static_cast<std::uint16_t>((b1 & 0x03) << 8 | b2);
        button.auto_action = b3 >> 6;
        button.y_start = static_cast<std::uint16_t>((b3 & 0x3F) << 4 | b4 >> 4);
        button.y_end = static_cast<std::uint16_t>((b4 & 0x03) << 8 | b5);
        button.up = bytes.u8(b + 6) & 0x3F;
        button.down = bytes.u8(b + 7) & 0x3F;
        button.left = bytes.u8(b + 8) & 0x3F;
        button.right = bytes.u8(b + 9) & 0x3F;
        button.command = bytes.array<Command>(b + 10);
        highlight.buttons.push_back(button);
    }
    read.highlight = std::move(highlight);
    return read;
}

}
