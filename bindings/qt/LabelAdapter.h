#pragma once

#include "bindings/qt/KindAdapter.h"

namespace trevalo::qt {

// A label: plain text, aligned and wrapped as the model says; no events.
class LabelAdapter final : public KindAdapter {
public:
    QWidget* create(ui::Control&, QWidget& parent) const override;
    void mirror(const ui::Control&, QWidget&) const override;
    Panel panel() const override { return Panel::WhenColoured; }
};

}
