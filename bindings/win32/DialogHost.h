#pragma once

#include "bindings/win32/WindowHost.h"

namespace trevalo::win32 {

// A secondary window: a fixed-size popup with a caption and close box,
// owned by the window that opened it and centred over it. The close box and
// Escape go to the model as the window's cancel (its cancel button, or else
// closing it); Enter goes to its default button. It is open until the model
// hides its window; the modal loop that shows it asks isOpen().
class DialogHost final : public WindowHost {
public:
    DialogHost(ui::Window&, HWND owner);

    void show();
    bool isOpen() const;

private:
    POINT placement(SIZE outer) const override;
    void closeBoxClicked() override;
    void escapePressed() override;
    void modelHid() override { }

    HWND m_owner;
};

}
