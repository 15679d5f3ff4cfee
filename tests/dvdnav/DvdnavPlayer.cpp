// trevalo_dvdnav_play: plays a DVD-Video folder from insert with Debian's
// libdvdnav (public API only), the way a player does, and prints one line per
// event, so tests can hold a disc's path against what its author meant and
// against the project's own navigation machine. A test program, never part
// of the product; tests run it as a subprocess, as libdvdnav aborts on some
// illegal jumps. It reads no IFO itself and decides nothing about the disc.
//
//   trevalo_dvdnav_play FOLDER [--buttons 2,1,...] [--max-events N]
//                       [--registers] [--until FP|VMGM|VTSM|VTS]
//                       [--lang xx] [--region N]
//
//   --buttons     the buttons to press, in order, one at each menu stop (a
//                 still with buttons); at a stop with none left it stops.
//   --max-events  stop after N event lines (default 200).
//   --registers   add the 16 GPRMs to each event line.
//   --until       stop after the first event line in that domain.
//   --lang        menu, audio and sub-picture language (default en).
//   --region      the player's region, 1 to 8 (default 1).
//
// Stills without buttons and waits are skipped at once. Output, one line
// each, nothing else on stdout (libdvdnav's own messages go to stderr):
//
//   CELL VTS vts=1 tt=2 ptt=1 pgc=2 pg=1 cell=1 btn=1 audio=1 spu=0
//   MENU VMGM vts=0 menu=2 pgc=1 pg=1 cell=1 btn=1 audio=0 spu=0 buttons=3 press=1
//   STOP VTSM vts=1 menu=3 pgc=2 pg=1 cell=1 btn=3 audio=0 spu=0 buttons=6
//   END                        libdvdnav stopped (the disc ended)
//   LIMIT                      --max-events reached (or a block limit)
//   ERROR <what>               exit status 2
//
// A CELL line is printed at each cell change, a MENU line at each menu stop
// with the button then pressed, a STOP line at a menu stop with no button
// left. tt is the title number of the disc, ptt the chapter; in menus, menu
// is the menu id of the PGC (2 title, 3 root, 4 sub-picture, 5 audio, 6
// angle, 7 chapter, 0 none); vts is 0 in the VMG's domains. btn is the
// highlighted button, audio and spu the active streams as libdvdnav reports
// them (-1 for none; spu=0:off is stream 0 chosen but not shown). With
// --registers each of those lines ends with " gprm=v0,v1,...,v15" (decimal).
//
// libdvdnav has no register getter. Each GPRM is read on a duplicate of the
// player (dvdnav_dup), never on the player itself: commands of ours, run
// with dvdnav_button_activate_cmd, copy it into a spare GPRM of the
// duplicate and move six bits at a time into the highlighted-button field,
// which dvdnav_get_current_highlight then returns; three reads per GPRM,
// one duplicate per GPRM.

#include <dvdnav/dvdnav.h>
#include <dvdread/ifo_types.h>
#include <dvdread/nav_types.h>

#include <array>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

enum class Domain { FirstPlay, Vmgm, Vtsm, Vts, None };

enum class ShowRegisters { No, Yes };

enum class Next { Play, End };

struct Options {
    std::string folder;
    std::vector<int> buttons;
    int maxEvents = 200;
    ShowRegisters registers = ShowRegisters::No;
    std::optional<Domain> until;
    std::string lang = "en";
    int region = 1;
};

// Against cells played forever. A loop of commands that never reaches a cell
// reads no block and never returns from libdvdnav: the time limit of the
// test that runs the player (DvdnavRun) ends that one.
constexpr long maxBlocks = 400000;

const char* domainName(Domain d)
{
    switch (d) {
    case Domain::FirstPlay: return "FP";
    case Domain::Vmgm: return "VMGM";
    case Domain::Vtsm: return "VTSM";
    case Domain::Vts: return "VTS";
    case Domain::None: break;
    }
    return "NONE";
}

std::optional<Domain> parseDomain(std::string_view s)
{
    for (Domain d : {Domain::FirstPlay, Domain::Vmgm, Domain::Vtsm, Domain::Vts})
        if (s == domainName(d))
            return d;
    return std::nullopt;
}

Domain domainOf(dvdnav_t* nav)
{
    if (dvdnav_is_domain_fp(nav))
        return Domain::FirstPlay;
    if (dvdnav_is_domain_vmgm(nav))
        return Domain::Vmgm;
    if (dvdnav_is_domain_vtsm(nav))
        return Domain::Vtsm;
    if (dvdnav_is_domain_vts(nav))
        return Domain::Vts;
    return Domain::None;
}

void logToStderr(void*, dvdnav_logger_level_t level, const char* format, va_list args)
{
    if (level > DVDNAV_LOGGER_LEVEL_WARN)
        return;
    std::vfprintf(stderr, format, args);
    std::fputc('\n', stderr);
}

// Ends at once: libdvdread leaks on a failed open, and a sanitizer build's
// leak check at exit would turn status 2 into its own.
[[noreturn]] void fail(const std::string& what)
{
    std::printf("ERROR %s\n", what.c_str());
    std::fflush(stdout);
    std::_Exit(2);
}

// The commands below are the DVD command set's Set (type 3), SetGPRMMD and
// SetHL_BTN (type 2) forms, written out byte by byte.
enum SetOp { Mov = 1, Mul = 5, Div = 6, And = 9, Or = 10 };
enum class Operand { Register, Immediate };

vm_cmd_t setCommand(SetOp op, int reg, Operand operand, uint16_t value)
{
    vm_cmd_t c {};
    c.bytes[0] = uint8_t(0x60 | (operand == Operand::Immediate ? 0x10 : 0) | op);
    c.bytes[3] = uint8_t(reg);
    if (operand == Operand::Immediate)
        c.bytes[4] = uint8_t(value >> 8);
    c.bytes[5] = uint8_t(value);
    return c;
}

vm_cmd_t registerMode(int reg) // SetGPRMMD reg = 0, register (not counter) mode
{
    vm_cmd_t c {};
    c.bytes[0] = 0x53;
    c.bytes[5] = uint8_t(reg);
    return c;
}

vm_cmd_t highlightFromRegister(int reg) // SetHL_BTN gprm(reg)
{
    vm_cmd_t c {};
    c.bytes[0] = 0x46;
    c.bytes[5] = uint8_t(reg);
    return c;
}

// dvdnav_get_current_highlight answers the last highlight the player
// reported, unless a button was selected since; selecting one through a PCI
// of our own that claims a menu makes it answer the register itself.
bool answerRegister(dvdnav_t* dup)
{
    for (uint32_t lbn : {0x7ffffff0u, 0x7ffffff1u}) {
        pci_t pci {};
        pci.pci_gi.nv_pck_lbn = lbn;
        pci.hli.hl_gi.hli_ss = 1;
        pci.hli.hl_gi.btn_ns = 1;
        if (dvdnav_button_select(dup, &pci, 1) == DVDNAV_STATUS_OK)
            return true;
    }
    return false;
}

// GPRM n, read on a duplicate through a temporary register of that
// duplicate, six bits at a time: (gprm(n) / 64^k) & 63, times 1024 to land
// in the button field, with bit 0 set so SetHL_BTN never sees a zero.
std::optional<uint16_t> readRegister(dvdnav_t* nav, int n)
{
    dvdnav_t* dup = nullptr;
    if (dvdnav_dup(&dup, nav) != DVDNAV_STATUS_OK || !dup)
        return std::nullopt;
    const int t = (n + 1) % 16;
    std::optional<uint16_t> value = 0;
    if (!answerRegister(dup))
        value.reset();
    for (int k = 0; k < 3 && value; ++k) {
        std::vector<vm_cmd_t> cmds {registerMode(t), setCommand(Mov, t, Operand::Register, uint16_t(n))};
        if (k > 0)
            cmds.push_back(setCommand(Div, t, Operand::Immediate, uint16_t(1u << (6 * k))));
        cmds.push_back(setCommand(And, t, Operand::Immediate, 63));
        cmds.push_back(setCommand(Mul, t, Operand::Immediate, 1024));
        cmds.push_back(setCommand(Or, t, Operand::Immediate, 1));
        cmds.push_back(highlightFromRegister(t));
        for (vm_cmd_t& c : cmds)
            dvdnav_button_activate_cmd(dup, 1, &c);
        int32_t bits = -1;
        if (dvdnav_get_current_highlight(dup, &bits) != DVDNAV_STATUS_OK || bits < 0 || bits > 63)
            value.reset();
        else
            *value = uint16_t(*value | (bits << (6 * k)));
    }
    dvdnav_free_dup(dup);
    return value;
}

std::string registers(dvdnav_t* nav)
{
    std::string s = " gprm=";
    for (int n = 0; n < 16; ++n) {
        const std::optional<uint16_t> v = readRegister(nav, n);
        if (!v)
            fail("cannot read GPRM " + std::to_string(n));
        s += (n ? "," : "") + std::to_string(*v);
    }
    return s;
}

// libdvdnav marks a sub-picture stream that is chosen but not shown (only
// its forced pictures are) with bit 7.
std::string spuText(int8_t spu)
{
    if (spu == -1)
        return "-1";
    const std::string stream = std::to_string(spu & 0x1f);
    return (spu & 0x80) ? stream + ":off" : stream;
}

struct Player {
    Options opt;
    dvdnav_t* nav = nullptr;
    int vts = 0;
    int cell = 0;
    int events = 0;
    std::size_t nextButton = 0;

    std::string where()
    {
        const Domain d = domainOf(nav);
        int32_t title = 0, part = 0, tt = 0, pgcn = 0, pgn = 0;
        dvdnav_current_title_info(nav, &title, &part);
        dvdnav_current_title_program(nav, &tt, &pgcn, &pgn);
        int32_t button = 0;
        dvdnav_get_current_highlight(nav, &button);
        char buf[256];
        const int shownVts = (d == Domain::Vtsm || d == Domain::Vts) ? vts : 0;
        if (d == Domain::Vts)
            std::snprintf(buf, sizeof buf, "%s vts=%d tt=%d ptt=%d", domainName(d), shownVts, int(title), int(part));
        else
            std::snprintf(buf, sizeof buf, "%s vts=%d menu=%d", domainName(d), shownVts, int(part));
        std::string s = buf;
        std::snprintf(buf, sizeof buf, " pgc=%d pg=%d cell=%d btn=%d audio=%d spu=%s", int(pgcn), int(pgn), cell,
                      int(button), int(dvdnav_get_active_audio_stream(nav)),
                      spuText(dvdnav_get_active_spu_stream(nav)).c_str());
        return s + buf;
    }

    void print(const std::string& head, const std::string& tail = {})
    {
        std::string line = head + " " + where() + tail;
        if (opt.registers == ShowRegisters::Yes)
            line += registers(nav);
        std::printf("%s\n", line.c_str());
        ++events;
    }

    // An event line, then whether --until or --max-events ends the play.
    Next event(const std::string& head, const std::string& tail = {})
    {
        print(head, tail);
        if (opt.until && domainOf(nav) == *opt.until)
            return Next::End;
        if (events >= opt.maxEvents) {
            std::printf("LIMIT\n");
            return Next::End;
        }
        return Next::Play;
    }

    // A still: a menu stop when its NAV packet shows buttons, else skipped.
    Next still()
    {
        pci_t* pci = dvdnav_get_current_nav_pci(nav);
        const int buttons = (pci && pci->hli.hl_gi.hli_ss) ? pci->hli.hl_gi.btn_ns : 0;
        if (buttons == 0) {
            dvdnav_still_skip(nav);
            return Next::Play;
        }
        const std::string count = " buttons=" + std::to_string(buttons);
        if (nextButton >= opt.buttons.size()) {
            print("STOP", count);
            return Next::End;
        }
        const int press = opt.buttons[nextButton++];
        if (event("MENU", count + " press=" + std::to_string(press)) == Next::End)
            return Next::End;
        if (press > buttons)
            fail("no button " + std::to_string(press) + " of " + std::to_string(buttons));
        if (dvdnav_button_select_and_activate(nav, pci, press) != DVDNAV_STATUS_OK)
            fail(std::string("pressing button ") + std::to_string(press) + ": " + dvdnav_err_to_string(nav));
        return Next::Play;
    }

    int play()
    {
        static const dvdnav_logger_cb logger = {logToStderr};
        if (dvdnav_open2(&nav, nullptr, &logger, opt.folder.c_str()) != DVDNAV_STATUS_OK)
            fail("cannot open " + opt.folder);
        dvdnav_set_readahead_flag(nav, 0);
        dvdnav_set_PGC_positioning_flag(nav, 1);
        dvdnav_set_region_mask(nav, 1 << (opt.region - 1));
        dvdnav_menu_language_select(nav, opt.lang.data());
        dvdnav_audio_language_select(nav, opt.lang.data());
        dvdnav_spu_language_select(nav, opt.lang.data());

        std::array<uint8_t, DVD_VIDEO_LB_LEN> buf {};
        for (long blocks = 0; blocks < maxBlocks; ++blocks) {
            int32_t ev = 0, len = 0;
            if (dvdnav_get_next_block(nav, buf.data(), &ev, &len) != DVDNAV_STATUS_OK)
                fail(std::string("next block: ") + dvdnav_err_to_string(nav));
            switch (ev) {
            case DVDNAV_VTS_CHANGE: {
                dvdnav_vts_change_event_t e;
                std::memcpy(&e, buf.data(), sizeof e);
                vts = e.new_vtsN;
                break;
            }
            case DVDNAV_CELL_CHANGE: {
                dvdnav_cell_change_event_t e;
                std::memcpy(&e, buf.data(), sizeof e);
                cell = e.cellN;
                if (event("CELL") == Next::End)
                    return finish();
                break;
            }
            case DVDNAV_STILL_FRAME:
                if (still() == Next::End)
                    return finish();
                break;
            case DVDNAV_WAIT:
                dvdnav_wait_skip(nav);
                break;
            case DVDNAV_STOP:
                std::printf("END\n");
                return finish();
            default:
                break;
            }
        }
        std::printf("LIMIT\n");
        return finish();
    }

    int finish()
    {
        std::fflush(stdout);
        dvdnav_close(nav);
        return 0;
    }
};

[[noreturn]] void usage(const char* why)
{
    std::fprintf(stderr,
                 "%s\nusage: trevalo_dvdnav_play FOLDER [--buttons 2,1,...] [--max-events N] [--registers]\n"
                 "                           [--until FP|VMGM|VTSM|VTS] [--lang xx] [--region N]\n",
                 why);
    std::exit(1);
}

int number(const char* s, int lo, int hi, const char* what)
{
    char* end = nullptr;
    const long v = std::strtol(s, &end, 10);
    if (end == s || *end || v < lo || v > hi)
        usage(what);
    return int(v);
}

Options parse(int argc, char** argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        const auto value = [&]() -> const char* {
            if (i + 1 >= argc)
                usage("an option lacks its value");
            return argv[++i];
        };
        if (a == "--buttons") {
            std::string list = value();
            for (std::size_t p = 0; p <= list.size();) {
                const std::size_t q = std::min(list.find(',', p), list.size());
                o.buttons.push_back(number(list.substr(p, q - p).c_str(), 1, 36, "buttons are 1 to 36"));
                p = q + 1;
            }
        } else if (a == "--max-events") {
            o.maxEvents = number(value(), 1, 1000000, "--max-events takes a positive number");
        } else if (a == "--registers") {
            o.registers = ShowRegisters::Yes;
        } else if (a == "--until") {
            o.until = parseDomain(value());
            if (!o.until)
                usage("--until takes FP, VMGM, VTSM or VTS");
        } else if (a == "--lang") {
            o.lang = value();
            if (o.lang.size() != 2)
                usage("--lang takes a two-letter code");
        } else if (a == "--region") {
            o.region = number(value(), 1, 8, "--region takes 1 to 8");
        } else if (!a.empty() && a[0] != '-' && o.folder.empty()) {
            o.folder = a;
        } else {
            usage("unknown argument");
        }
    }
    if (o.folder.empty())
        usage("no folder given");
    return o;
}

} // namespace

int main(int argc, char** argv)
{
    Player p;
    p.opt = parse(argc, argv);
    return p.play();
}
