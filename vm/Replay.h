#pragma once

// The window's three blocks put on the disc and played: Text1 at the top of
// the First Play PGC's pre commands, Text2 at the top of the target PGC's in
// every language unit that has it and, with the dummy skip on, Text3 at the
// top of the PGC after the dummy, all by the disc layer's insert, in memory.
// The machine then plays the disc from insert, once per menu language the
// disc has, and the verdict says whether it starts playing in the target
// with the registers the disc's own chain leaves there (the trace), save
// what the author changed on purpose; whether a later jump to First Play
// runs the disc's own First Play commands; and whether entering the PGCs
// that got a block again runs their own pre commands. Each difference
// names what differs, where, and why.
//
// Nothing is written to the disc's folder and no block is changed; the
// window's integration (its buttons, its log) builds on this.

#include "disc/Disc.h"
#include "vm/PlayerConfig.h"
#include "vm/Target.h"

#include <string>
#include <vector>

namespace trevalo::vm {

// The blocks as the window made them.
struct Blocks {
    std::string text1;
    std::string text2;
    std::string text3;
};

// What the author set on purpose, which the replay does not hold against
// the trace.
struct DeliberateChanges {
    // The guard scheme's GPRM; -1 for the all-registers check, whose marker
    // in GPRM 0 the blocks put back before the target plays.
    int guard_register = 14;
    bool streams = false; // SPRMs 1..3, from the stream setting
    bool button = false; // SPRM 8, from the highlight setting
};

struct ReplayRequest {
    Blocks blocks;
    Target target;
    DeliberateChanges deliberate;
    // The button choices the author's trace followed; the disc's own chain
    // is traced with them in every language.
    std::vector<int> buttons;
    // The player; its menu language is replaced by each language the disc's
    // menus have in turn (its own when the disc has no menus).
    PlayerConfig player;
    // The menu languages to replay in; empty for every one the disc has.
    std::vector<std::string> languages;
};

struct Finding {
    std::string where; // "Text2", "VTSM 1 PGC 2", "a later jump to First Play"
    std::string what; // what differs or is wrong
    std::string why; // the cause, as far as the runs show it
};

enum class LanguageOutcome {
    Matches, // starts in the target with the traced registers, and both re-entries run the disc's own commands
    Differs, // findings say how
    NotCompared, // the disc's own chain does not reach the target in this language; `note` says why
};

struct LanguageReplay {
    std::string language;
    LanguageOutcome outcome = LanguageOutcome::NotCompared;
    std::string note;
    std::vector<Finding> findings;
    std::vector<std::string> trace_path; // the disc's own chain, one line per PGC
    std::vector<std::string> replay_path; // the disc with the blocks
};

struct Verdict {
    // No finding anywhere, and at least one language compared.
    bool passed = false;
    std::vector<Finding> findings; // about the blocks and the disc as a whole
    std::vector<LanguageReplay> languages;

    std::string text() const;
};

Verdict replay(const disc::Disc& disc, const ReplayRequest& request);

// A block put on the disc: its name, its length and every address of the
// PGCs that hold it.
struct PlacedBlock {
    std::string name; // "Text1"
    std::size_t length = 0;
    std::vector<disc::PgcAddress> pgcs;
};

// The disc with the blocks at the top of their PGCs, as replay() plays it
// (and as a copy for another player would be written). `placed` is false,
// with findings saying why, when a block is not in the notation, holds a
// command no player runs, names no PGC of the disc or does not fit.
struct PlacedBlocks {
    bool placed = false;
    disc::Disc disc;
    std::vector<PlacedBlock> blocks;
    std::vector<Finding> findings;
};

PlacedBlocks placeBlocks(const disc::Disc& disc, const Blocks& blocks, const Target& target);

// The menu languages of the disc's language units, in the order the units
// list them, each once.
std::vector<std::string> menuLanguages(const disc::Disc& disc);

}
