#pragma once

#include <thread>

namespace trevalo::qt {

// Loads the system's font configuration on a second thread while the main
// thread sets up the application object (on X11 mostly talking to the
// server and compiling its keymap) and the model. Reading the
// configuration and the caches of every installed font is the largest
// single piece of a Qt program's start-up, and until the window is built
// nothing needs it.
//
// It does not touch Qt: the font database Qt builds from the configuration
// is still built on the main thread, at its first use. Where Qt does not
// use fontconfig (Windows, macOS) it does nothing.
class FontWarmup {
public:
    FontWarmup();
    ~FontWarmup();
    FontWarmup(const FontWarmup&) = delete;
    FontWarmup& operator=(const FontWarmup&) = delete;

    // Returns once the configuration is loaded. Called before anything asks
    // Qt for a font: a first use while the load still runs would start a
    // second, duplicate load on the main thread instead of waiting for it.
    void wait();

private:
    std::thread m_thread;
};

}
