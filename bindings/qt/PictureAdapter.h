#pragma once

#include "bindings/qt/KindAdapter.h"

namespace trevalo::qt {

// A picture: one of the images the binding draws, scaled to the control.
class PictureAdapter final : public KindAdapter {
public:
    QWidget* create(ui::Control&, QWidget& parent) const override;
    void mirror(const ui::Control&, QWidget&) const override;
    Panel panel() const override { return Panel::WhenColoured; }
};

}
