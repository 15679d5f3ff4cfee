#pragma once

#include "bindings/qt/KindAdapter.h"

namespace trevalo::qt {

// A text box: a single-line edit or, for a multi-line box, a plain-text edit
// with the model's scroll bars. Typing goes to the model; a locked box can
// be selected and copied but not typed into.
class TextBoxAdapter final : public KindAdapter {
public:
    QWidget* create(ui::Control&, QWidget& parent) const override;
    void connect(ui::Control&, QWidget&, QObject& context, ui::BindingEvents&) const override;
    void mirror(const ui::Control&, QWidget&) const override;
};

}
