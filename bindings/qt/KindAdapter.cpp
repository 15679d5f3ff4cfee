#include "bindings/qt/KindAdapter.h"

#include "bindings/qt/ButtonAdapter.h"
#include "bindings/qt/CheckBoxAdapter.h"
#include "bindings/qt/ComboBoxAdapter.h"
#include "bindings/qt/FrameAdapter.h"
#include "bindings/qt/LabelAdapter.h"
#include "bindings/qt/OptionButtonAdapter.h"
#include "bindings/qt/PictureAdapter.h"
#include "bindings/qt/TextBoxAdapter.h"

#include <QWidget>

namespace trevalo::qt {

void KindAdapter::connect(ui::Control&, QWidget&, QObject&, ui::BindingEvents&) const
{
}

void KindAdapter::applyFont(QWidget& widget, const QFont& font) const
{
    if (widget.font() != font)
        widget.setFont(font);
}

const KindAdapter* KindAdapter::of(ui::ControlKind kind)
{
    static const FrameAdapter frame;
    static const LabelAdapter label;
    static const TextBoxAdapter text_box;
    static const ComboBoxAdapter combo_box;
    static const CheckBoxAdapter check_box;
    static const OptionButtonAdapter option_button;
    static const ButtonAdapter button;
    static const PictureAdapter picture;
    switch (kind) {
    case ui::ControlKind::Frame:
        return &frame;
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
    case ui::ControlKind::Picture:
        return &picture;
    case ui::ControlKind::Window:
    case ui::ControlKind::MenuEntry:
        break;
    }
    return nullptr;
}

}
