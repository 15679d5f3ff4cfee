#include "bindings/win32/ConsoleOutput.h"

#include "bindings/win32/TextMapping.h"

namespace trevalo::win32 {

namespace {

bool validHandle(HANDLE handle)
{
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

}

bool ConsoleOutput::attach()
{
    static const bool reached = [] {
        if (validHandle(GetStdHandle(STD_OUTPUT_HANDLE)))
            return true;
        if (!AttachConsole(ATTACH_PARENT_PROCESS))
            return false;
        // A GUI program's standard handles are not set by attaching; the
        // console's own output stands in for those left unset.
        HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
            nullptr, OPEN_EXISTING, 0, nullptr);
        if (!validHandle(console))
            return false;
        if (!validHandle(GetStdHandle(STD_OUTPUT_HANDLE)))
            SetStdHandle(STD_OUTPUT_HANDLE, console);
        if (!validHandle(GetStdHandle(STD_ERROR_HANDLE)))
            SetStdHandle(STD_ERROR_HANDLE, console);
        return true;
    }();
    return reached;
}

ConsoleOutput::ConsoleOutput(Stream which)
    : m_stream(this)
{
    m_handle = GetStdHandle(which == Stream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (!validHandle(m_handle))
        m_handle = nullptr;
    DWORD mode = 0;
    m_console = m_handle && GetConsoleMode(m_handle, &mode);
}

ConsoleOutput::~ConsoleOutput()
{
    flushPending(true);
}

std::size_t ConsoleOutput::wholeCharacters(const std::string& utf8)
{
    // Back over at most three continuation bytes to the lead byte of the
    // last character; keep it back if its sequence is not complete.
    std::size_t end = utf8.size();
    std::size_t lead = end;
    for (int back = 0; back < 4 && lead > 0; ++back) {
        --lead;
        const auto byte = static_cast<unsigned char>(utf8[lead]);
        if ((byte & 0xC0) != 0x80) {
            const std::size_t length = byte < 0x80 ? 1 : (byte & 0xE0) == 0xC0 ? 2 : (byte & 0xF0) == 0xE0 ? 3 : (byte & 0xF8) == 0xF0 ? 4 : 1;
            return lead + length <= end ? end : lead;
        }
    }
    return end;
}

void ConsoleOutput::flushPending(bool all)
{
    const std::size_t whole = all ? m_pending.size() : wholeCharacters(m_pending);
    if (whole == 0)
        return;
    const std::string text = m_pending.substr(0, whole);
    m_pending.erase(0, whole);
    m_written += text;
    if (!m_handle)
        return;
    DWORD done = 0;
    if (m_console) {
        // The console shows its own line ends from LF alone.
        const std::wstring wide = TextMapping::wide(text);
        WriteConsoleW(m_handle, wide.data(), DWORD(wide.size()), &done, nullptr);
    } else {
        WriteFile(m_handle, text.data(), DWORD(text.size()), &done, nullptr);
    }
}

ConsoleOutput::int_type ConsoleOutput::overflow(int_type c)
{
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    m_pending += traits_type::to_char_type(c);
    if (c == '\n')
        flushPending(false);
    return c;
}

std::streamsize ConsoleOutput::xsputn(const char* text, std::streamsize count)
{
    m_pending.append(text, std::size_t(count));
    if (m_pending.find('\n') != std::string::npos)
        flushPending(false);
    return count;
}

int ConsoleOutput::sync()
{
    flushPending(false);
    return 0;
}

}
