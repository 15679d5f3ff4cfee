#include "bindings/win32/KindAdapter.h"

#include "bindings/win32/ButtonAdapter.h"
#include "bindings/win32/CheckBoxAdapter.h"
#include "bindings/win32/ComboBoxAdapter.h"
#include "bindings/win32/FrameAdapter.h"
#include "bindings/win32/LabelAdapter.h"
#include "bindings/win32/OptionButtonAdapter.h"
#include "bindings/win32/PictureAdapter.h"
#include "bindings/win32/TextBoxAdapter.h"

namespace trevalo::win32 {

const KindAdapter* KindAdapter::of(ui::ControlKind kind)
{
    static const LabelAdapter label;
    static const TextBoxAdapter text_box;
    static const ComboBoxAdapter combo_box;
    static const CheckBoxAdapter check_box;
    static const OptionButtonAdapter option_button;
    static const ButtonAdapter button;
    static const FrameAdapter frame;
    static const PictureAdapter picture;
    switch (kind) {
    case ui::ControlKind::Label:
        return &label;
    case ui::ControlKind::TextBox:
        return &text_box;
    case ui::ControlKind::ComboBox:
        return &combo_box;
    case ui::ControlKind::CheckBox:
        return &check_box;
    case ui::ControlKind::OptionButton:
        return &option_button;
    case ui::ControlKind::Button:
        return &button;
    case ui::ControlKind::Frame:
        return &frame;
    case ui::ControlKind::Picture:
        return &picture;
    case ui::ControlKind::MenuEntry:
    case ui::ControlKind::Window:
        break;
    }
    return nullptr;
}

void KindAdapter::setStyle(HWND hwnd, DWORD bits, bool on)
{
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    const LONG_PTR wanted = on ? (style | LONG_PTR(bits)) : (style & ~LONG_PTR(bits));
    if (wanted == style)
        return;
    SetWindowLongPtrW(hwnd, GWL_STYLE, wanted);
    InvalidateRect(hwnd, nullptr, TRUE);
}

}
