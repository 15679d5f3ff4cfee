#include "dvdnav/DvdnavRun.h"

#include <cstdio>
#include <sys/wait.h>

namespace trevalo::testing {

namespace {

std::string quoted(const std::string& s)
{
    std::string q = "'";
    for (char c : s)
        q += (c == '\'') ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

}

DvdnavRun playWithDvdnav(const std::string& folder, const std::vector<std::string>& args, int seconds)
{
    // libdvdread's and libdvdnav's own messages go to stderr, not compared.
    std::string command = "timeout -s KILL " + std::to_string(seconds) + " " + quoted(TREVALO_DVDNAV_PLAY) + " "
        + quoted(folder);
    for (const std::string& a : args)
        command += " " + quoted(a);
    command += " 2>/dev/null";

    DvdnavRun run;
    FILE* out = popen(command.c_str(), "r");
    if (!out) {
        run.status = -1;
        return run;
    }
    std::string line;
    for (int c; (c = std::fgetc(out)) != EOF;) {
        if (c == '\n') {
            run.lines.push_back(line);
            line.clear();
        } else {
            line += char(c);
        }
    }
    if (!line.empty())
        run.lines.push_back(line);
    const int status = pclose(out);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return run;
}

}
