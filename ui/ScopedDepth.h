#pragma once

namespace trevalo::ui {

// Counts itself into a depth for as long as it lives, so code further in
// can tell it runs inside one or more of the same thing (a user event being
// passed on, an operation run by another). It owns nothing; the count must
// outlive it.
class ScopedDepth {
public:
    explicit ScopedDepth(int& depth)
        : m_depth(depth)
    {
        ++m_depth;
    }
    ~ScopedDepth() { --m_depth; }
    ScopedDepth(const ScopedDepth&) = delete;
    ScopedDepth& operator=(const ScopedDepth&) = delete;

    // Whether this is the outermost of the nested ones still alive.
    bool outermost() const { return m_depth == 1; }

private:
    int& m_depth;
};

}
