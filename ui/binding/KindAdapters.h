#pragma once

#include "ui/Control.h"

namespace trevalo::ui {

// Which kinds of control have a widget of their own, the same in every
// binding, and the one adapter of each kind: a binding names its adapter
// classes once, in the order of the template's parameters, and asks
// of(kind). Menu entries and the window have adapters of their own shape
// in every binding, so none here. Each adapter is made once, on first use;
// it keeps nothing else.
template <typename Base, typename Frame, typename Label, typename TextBox, typename ComboBox, typename CheckBox,
    typename OptionButton, typename Button, typename Picture>
class KindAdapters {
public:
    static const Base* of(ControlKind kind)
    {
        static const Frame frame;
        static const Label label;
        static const TextBox text_box;
        static const ComboBox combo_box;
        static const CheckBox check_box;
        static const OptionButton option_button;
        static const Button button;
        static const Picture picture;
        switch (kind) {
        case ControlKind::Frame:
            return &frame;
        case ControlKind::Label:
            return &label;
        case ControlKind::TextBox:
            return &text_box;
        case ControlKind::ComboBox:
            return &combo_box;
        case ControlKind::CheckBox:
            return &check_box;
        case ControlKind::OptionButton:
            return &option_button;
        case ControlKind::Button:
            return &button;
        case ControlKind::Picture:
            return &picture;
        case ControlKind::Window:
        case ControlKind::MenuEntry:
            break;
        }
        return nullptr;
    }
};

}
