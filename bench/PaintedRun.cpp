#include "bench/PaintedRun.h"

#include <chrono>
#include <csignal>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace trevalo::bench {

namespace {

using Clock = std::chrono::steady_clock;

std::vector<char*> environmentWith(std::vector<std::string>& storage, const std::map<std::string, std::string>& extra)
{
    for (char** e = environ; *e; ++e) {
        std::string entry = *e;
        if (!extra.count(entry.substr(0, entry.find('='))))
            storage.push_back(entry);
    }
    for (const auto& [name, value] : extra)
        storage.push_back(name + "=" + value);
    std::vector<char*> pointers;
    for (std::string& entry : storage)
        pointers.push_back(entry.data());
    pointers.push_back(nullptr);
    return pointers;
}

// The text after "painted" once its whole line has come.
std::optional<std::string> paintedLine(const std::string& seen)
{
    const std::size_t line = seen.find("painted");
    if (line == std::string::npos || (line > 0 && seen[line - 1] != '\n'))
        return std::nullopt;
    const std::size_t end = seen.find('\n', line);
    if (end == std::string::npos)
        return std::nullopt;
    return seen.substr(line + 7, end - line - 7);
}

}

std::optional<PaintedRun> runUntilPainted(const std::vector<std::string>& argv,
    const std::map<std::string, std::string>& env, int timeout_ms)
{
    int out[2];
    if (argv.empty() || pipe(out) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> environment;
    std::vector<char*> envp = environmentWith(environment, env);
    std::vector<std::string> arguments = argv;
    std::vector<char*> args;
    for (std::string& each : arguments)
        args.push_back(each.data());
    args.push_back(nullptr);

    const auto start = Clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return std::nullopt;
    }

    std::optional<Clock::time_point> painted;
    std::optional<std::string> said;
    std::string seen;
    pollfd watch { out[0], POLLIN, 0 };
    while (!said) {
        const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
        if (waited > timeout_ms || poll(&watch, 1, int(timeout_ms - waited)) <= 0)
            break;
        char buffer[128];
        const ssize_t got = read(out[0], buffer, sizeof buffer);
        if (got <= 0)
            break;
        seen.append(buffer, std::size_t(got));
        if ((said = paintedLine(seen)))
            painted = Clock::now();
    }
    if (!said)
        kill(pid, SIGKILL);
    close(out[0]);

    PaintedRun run;
    wait4(pid, &run.status, 0, &run.usage);
    const auto exited = Clock::now();
    if (!said)
        return std::nullopt;
    auto ms = [&](Clock::time_point t) { return std::chrono::duration<double, std::milli>(t - start).count(); };
    run.paint_ms = ms(*painted);
    run.exit_ms = ms(exited);
    run.said = *said;
    return run;
}

}
