#pragma once

// Checks of the composed blocks against what a player and PgcEdit will make
// of them: the guard register the disc itself uses, a PGC's command budget,
// commands a domain does not take, and values no player accepts. Pure
// functions of texts; they never change a block, they only inform.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace trevalo::core {

// Worst first: a disc that misbehaves, then one that PgcEdit or a player
// refuses, then a value that only looks wrong.
enum class Severity { GuardInUse, OverBudget, WrongDomain, OutOfRange };

struct Finding {
    Severity severity;
    std::string title;  // a few words, for a one-line notice
    std::string text;   // what is wrong, where, and what to do

    friend bool operator==(const Finding&, const Finding&) = default;
};

struct NamedBlock {
    std::string_view name;  // the PGC it is meant for ("First Play PGC")
    std::string_view text;
};

struct CheckInput {
    // The commands the current import brought in, as read from the
    // clipboard; empty before an import.
    std::string_view imported;
    bool all_registers = false;
    int guard_register = 14;
    long marker = 12345;
    std::string_view domain;     // "VTSM", "VMGM" or "Title"
    // The blocks the author will paste; the menu block (the one that gets
    // the post settings) is named by menu_block.
    std::vector<NamedBlock> blocks;
    std::size_t menu_block = 1;
};

// A PGC's command table holds at most this many commands in all.
inline constexpr int command_budget = 128;

// Everything found, worst first; within a severity, in the order found.
std::vector<Finding> checkBlocks(const CheckInput&);

// The two halves of checkBlocks, for a caller that keeps one half's answer
// while the inputs it reads stay the same: what the import brought in (it
// reads the imported text and the guard settings), and what the composed
// blocks hold (it reads the domain and the blocks).
std::vector<Finding> checkImport(const CheckInput&);
std::vector<Finding> checkComposed(const CheckInput&);
std::vector<Finding> mergeFindings(std::vector<Finding> import, const std::vector<Finding>& composed);

}
