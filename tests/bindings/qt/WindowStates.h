#pragma once

#include <string>
#include <vector>

namespace trevalo::testing {

class BoundForm1;

// Brings the bound main window into the states the look of the window is
// checked in, through the model's own operations, then mirrors it.
class WindowStates {
public:
    // The names of the states, for a test to go through each: states a
    // user can reach, so no two controls in them are meant to hide each
    // other.
    static const std::vector<std::string>& names();
    // Puts a freshly built window into the named state.
    static void enter(BoundForm1&, const std::string& name);

    // A trace imported for a VTSM chapter menu, then both post settings on:
    // the magenta caption, the detection notice, the yellow stream and
    // button lists and the checks' notice line (the trace sets the guard
    // register) are all showing.
    static void importWithPostSettings(BoundForm1&);
    // Dummy skip, cell link and "none found" on: the third block and its
    // caption, the caution and the yellow skip and link lists.
    static void dummySkip(BoundForm1&);
    // The dummy skip on and all three blocks copied: the marks beside the
    // copy buttons and the note of the last copy.
    static void copiedAll(BoundForm1&);
    // Every control shown, the ones operations show only now and then too,
    // even those only ever shown in place of another: for captions only.
    static void everythingShown(BoundForm1&);
};

}
