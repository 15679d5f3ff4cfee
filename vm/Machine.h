#pragma once

// The DVD-Video navigation machine: a player's registers, domain and
// position on a disc model, running the disc's commands as the DVD-Video
// command set defines them. A disc is inserted when the machine is made;
// step() then runs one command, enters one PGC or plays one cell, so a
// caller drives it in a loop with a limit of its own. Time passes only by
// the played cells' durations and finite stills, so a run is repeatable.
//
// A menu cell with buttons is where a player waits for the viewer: the
// machine stops there (Progress::Waiting) and says which buttons it offers;
// choose() presses one. What it does not model: the pictures and sounds
// themselves, parental blocks and the parental level's effect on a PGC,
// button groups beyond the first, time within a cell (a cell plays whole,
// a resume starts its cell again) and the viewer's remote-control keys
// other than a button press.
//
// A command the disc cannot mean (a reserved encoding, a jump a domain does
// not allow, a link to a PGC that does not exist) stops the machine with a
// message naming the command and its place: Progress::Failed.

#include "core/Command.h"
#include "disc/Disc.h"
#include "disc/PgcAddress.h"
#include "vm/DiscProgram.h"
#include "vm/Path.h"
#include "vm/PlayerConfig.h"
#include "vm/Registers.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace trevalo::vm {

// What one step did.
enum class Progress : unsigned char {
    Command, // a command ran and play goes on in the same PGC
    EnteredPgc, // a PGC was entered; its pre commands come next
    PlaybackStarted, // the current PGC's pre commands are done and it plays
    CellStarted, // a cell begins: the registers are as the cell sees them
    CellPlayed, // a cell played to its end
    Waiting, // at a menu cell, for choose()
    Stopped, // playback ended
    Failed, // error() says where and why
};

enum class Phase : unsigned char { PreCommands, CellStart, CellEnd, PostCommands, Waiting, Stopped, Failed };

// Where play stands: the PGC, and the program and cell once cells play (0
// before the first).
struct Location {
    disc::PgcAddress pgc;
    int program = 0;
    int cell = 0;
    bool operator==(const Location&) const = default;
};

// A menu wait: the cell, its buttons and the one highlighted.
struct MenuWait {
    Location at;
    int buttons = 0;
    int highlighted = 0; // SPRM 8's button, which may lie past `buttons`
    // The still at the cell's end in seconds, 255 for one that lasts until
    // the viewer acts; a menu that would go on by itself can be let go
    // with choose(0).
    int still = 0;
};

// The title and chapter a title-domain position belongs to (0 when none).
struct TitlePosition {
    int title = 0; // of the disc
    int chapter = 0;
};

// The stream a player decodes for SPRM 1 or 2 in the current PGC: -1 for
// none; `shown` is false for a sub-picture stream chosen but not displayed
// (only its forced pictures show).
struct StreamPick {
    int stream = -1;
    bool shown = true;
};

// The point RSM returns to, kept by CallSS.
struct ResumePoint {
    bool set = false;
    int title_set = 0;
    int pgc = 0;
    int cell = 0; // 0: the title PGC from its first program
    std::array<std::uint16_t, 5> sprm {}; // SPRMs 4..8 at the call
};

class Machine {
public:
    // Inserts the disc: registers at the configuration's start values,
    // play at the First Play PGC's first pre command.
    Machine(const DiscProgram& program, const PlayerConfig& config);

    Progress step();

    // At a wait: presses `button` (1..buttons) and runs its command, or with
    // 0 lets a menu that does not wait forever go on. A button whose
    // command does not leave the menu leaves the machine waiting there.
    // Refused (false, nothing changed, refusal() says why) when the machine
    // is not waiting or the button does not exist.
    bool choose(int button);
    Progress lastProgress() const { return m_progress; }
    const std::string& refusal() const { return m_refusal; }

    // Enters a PGC with its pre commands, as a jump from outside the disc's
    // commands would (a later visit, a key of the remote), registers kept.
    // False (machine unchanged) when the disc has no such PGC.
    bool jumpTo(const disc::PgcAddress& pgc);

    // Takes over another machine's registers, clock, timer and resume
    // point, so two discs can be run on from the same state.
    void takeStateFrom(const Machine& other);

    Phase phase() const { return m_phase; }
    const Location& location() const { return m_where; }
    const MenuWait& menuWait() const { return m_wait; }
    const std::string& error() const { return m_error; }
    // Why playback stopped, once Stopped.
    const std::string& stopReason() const { return m_stop_reason; }

    const Registers& registers() const { return m_registers; }
    std::uint16_t gprm(int n) const { return m_registers.gprm(n, m_clock); }
    std::uint16_t sprm(int n) const { return m_registers.sprm(n); }
    RegisterSnapshot snapshot() const { return m_registers.snapshot(m_clock); }
    Ticks clock() const { return m_clock; }
    const ResumePoint& resumePoint() const { return m_resume; }

    // The command that last wrote GPRM n (n < 16) or SPRM n - 16; a site of
    // number 0 when nothing has since insert.
    const CommandSite& lastWriter(int reg) const { return m_writers[static_cast<std::size_t>(reg)]; }

    const std::vector<PathEvent>& path() const { return m_path; }
    const DiscProgram& program() const { return *m_program; }

    // The language unit the menus of title set n (0: the video manager)
    // play in, 1-based; 0 when the file has no menus.
    int languageUnit(int title_set) const;

    // What a player shows for the current position: the menu id of the
    // current menu PGC (its table entry's kind, 0 for none), the title and
    // chapter in the title domain, the decoded audio and sub-picture
    // streams.
    int menuId() const;
    TitlePosition titlePosition() const;
    StreamPick audioStream() const;
    StreamPick subpictureStream() const;

    // Why the run is going round, for a caller whose step limit ran out:
    // "VTSM 2 PGC 4 and VMGM PGC 1 link to each other without playing
    // anything". `goal` names what the run was after.
    std::string loopReport(const std::string& goal) const;

private:
    enum class Flow : unsigned char { Next, Goto, Break, Transferred, Failed };
    enum class Entry : unsigned char { PreCommands, AtProgram, AtCell };

    Flow execute(const core::Command& command, const CommandSite& site);
    bool holds(const core::Condition& condition) const;
    std::uint16_t value(const core::Operand& operand) const;
    void setGprm(int n, std::uint16_t value, const CommandSite& site);
    void setSprm(int n, std::uint16_t value, const CommandSite& site);
    void gprmSet(const core::GprmSet& set, const CommandSite& site);
    void systemSet(const core::SystemSet& set, const CommandSite& site);
    Flow link(const core::Link& link, const CommandSite& site);
    Flow jump(const core::Jump& jump, const CommandSite& site);
    Flow resume(const core::Link& link, const CommandSite& site);

    bool enter(disc::Domain domain, int title_set, int number, Entry entry, int start, const CommandSite& site);
    bool enterTitle(int title_set, int title_in_set, int chapter, Entry entry, const CommandSite& site);
    bool enterMenu(int title_set, core::MenuId menu, const CommandSite& site);
    bool enterFirstPlay(const CommandSite& site);
    void leave(LeftBy by, const CommandSite& site);
    void startProgram(int program);
    void startCell(int cell);
    void startPost();
    void markPlaying();
    void finishCell();
    void nextPgcLink();
    void startWait();
    void stop(std::string reason);
    Flow fail(const CommandSite& site, const std::string& why);
    void failHere(const std::string& why);
    void runList(const std::vector<core::Command>& list, disc::CommandPlace place);
    void advance(Ticks duration, bool title_time);
    void noteEntry();
    void record(const PathEvent& event);
    std::uint32_t random();

    const DiscProgram* m_program;
    const disc::Disc* m_disc;
    Registers m_registers;
    std::uint32_t m_random;
    std::vector<int> m_units; // language unit per title set, 0 = VMG

    Location m_where;
    const disc::Pgc* m_pgc = nullptr;
    const PgcCode* m_code = nullptr;
    Phase m_phase = Phase::PreCommands;
    std::size_t m_line = 0; // next pre or post command, 0-based
    int m_goto = 0;
    int m_entry_program = 1; // where playback starts after the pre commands
    bool m_playing = false; // playback of this entry of the PGC has begun
    Progress m_progress = Progress::Command;

    Ticks m_clock = 0;
    Ticks m_title_clock = 0; // time played in the title domain (the navigation timer's)
    Ticks m_timer_end = 0; // title clock at which the navigation timer runs out; 0: off
    ResumePoint m_resume;
    MenuWait m_wait;
    std::array<CommandSite, 40> m_writers {};
    std::vector<PathEvent> m_path;
    std::string m_error;
    std::string m_stop_reason;
    std::string m_refusal;

    // For loopReport(): the last PGCs entered with the cells played by then,
    // and the lines run since the last entry.
    struct Recent {
        disc::PgcAddress pgc;
        std::int64_t cells = 0;
        std::int64_t step = 0;
    };
    std::array<Recent, 32> m_recent {};
    std::size_t m_recent_count = 0;
    std::int64_t m_cells_played = 0;
    std::int64_t m_steps = 0;
    std::int64_t m_commands_since_entry = 0;
    std::size_t m_low_line = 0;
    std::size_t m_high_line = 0;
};

}
