#pragma once

#include <functional>

namespace trevalo::win32 {

// The program's message loops: the main one, and the nested one a modal
// window runs. Each gives a message to the window it is for first (its
// shortcuts, then the dialog keys) and dispatches it otherwise.
class MessageLoop {
public:
    // Until WM_QUIT; returns its exit code.
    static int run();
    // Until `done()` holds after a message, or WM_QUIT comes, which it posts
    // again for the loop outside.
    static void runUntil(const std::function<bool()>& done);
};

}
