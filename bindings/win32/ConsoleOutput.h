#pragma once

#include <windows.h>

#include <ostream>
#include <streambuf>
#include <string>

namespace trevalo::win32 {

// Standard output or error of trevalo.exe, a GUI program, for the text the
// command line prints (UTF-8): to the console of the program that started
// it (cmd.exe, PowerShell), written as UTF-16 so every character shows
// whatever the console's code page, or as UTF-8 bytes to a file or pipe
// the output is redirected to. Without either, the text is kept, so the
// caller can show it another way (a message box).
class ConsoleOutput final : public std::streambuf {
public:
    enum class Stream { Output, Error };
    explicit ConsoleOutput(Stream);
    ~ConsoleOutput() override;
    ConsoleOutput(const ConsoleOutput&) = delete;
    ConsoleOutput& operator=(const ConsoleOutput&) = delete;

    // Attaches to the parent's console, once, when standard output is not
    // already redirected; whether there is anywhere to write.
    static bool attach();

    std::ostream& stream() { return m_stream; }
    // Whether the text went to a console, file or pipe.
    bool reaches() const { return m_handle != nullptr && m_handle != INVALID_HANDLE_VALUE; }
    // Everything written so far, for when it reaches nothing.
    const std::string& written() const { return m_written; }

    // The longest start of `utf8` that ends on a whole character, so a
    // character split between two writes is converted whole.
    static std::size_t wholeCharacters(const std::string& utf8);

protected:
    int_type overflow(int_type) override;
    std::streamsize xsputn(const char*, std::streamsize) override;
    int sync() override;

private:
    void flushPending(bool all);

    HANDLE m_handle = nullptr;
    bool m_console = false;
    std::string m_pending;
    std::string m_written;
    std::ostream m_stream;
};

}
