#pragma once

namespace trevalo::win32 {

// Sets a flag for as long as it lives and then puts back what it was, so a
// write nested in another leaves the flag set for the outer one. It owns
// nothing; the flag must outlive it.
class ScopedFlag {
public:
    explicit ScopedFlag(bool& flag)
        : m_flag(flag)
        , m_was(flag)
    {
        m_flag = true;
    }
    ~ScopedFlag() { m_flag = m_was; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

private:
    bool& m_flag;
    bool m_was;
};

}
