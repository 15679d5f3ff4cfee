#include "mainwindow/Defaults.h"

namespace trevalo::defaults {

std::string traceInstructions(std::string_view target)
{
    std::string text = "A) Open Trace dialog\r\n"
                       "B) Open GPRM Watch\r\n"
                       "C) Check Auto-preview\r\n"
                       "   Toggle PGC playback breakpoint for ";
    text += target;
    text += "\r\n"
            "D) Start trace from First Play PGC\r\n"
            "E) Step/run to playback breakpoint";
    return text;
}

}
