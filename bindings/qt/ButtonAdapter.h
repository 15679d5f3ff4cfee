#pragma once

#include "bindings/qt/KindAdapter.h"

namespace trevalo::qt {

// A push button; a click goes to the model. Taking the focus does not make
// it a dialog's default button.
class ButtonAdapter final : public KindAdapter {
public:
    QWidget* create(ui::Control&, QWidget& parent) const override;
    void connect(ui::Control&, QWidget&, QObject& context, ui::BindingEvents&) const override;
    void mirror(const ui::Control&, QWidget&) const override;
};

}
