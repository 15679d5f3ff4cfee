#pragma once

#include "bindings/win32/KindAdapter.h"

namespace trevalo::win32 {

// A group frame as a FrameWindow: its caption. Its controls are not its
// children (the binding lays them flat on the window, over it); what the
// frame's visibility and enabled state mean for them the binding works out.
class FrameAdapter final : public KindAdapter {
public:
    const wchar_t* windowClass() const override;
    DWORD style(const ui::Control&) const override { return 0; }
    void mirror(const ui::Control&, ControlWindow&) const override;
};

}
