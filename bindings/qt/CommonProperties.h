#pragma once

class QWidget;

namespace trevalo::ui {
class Control;
}

namespace trevalo::qt {

class KindAdapter;
class PixelScale;

// The properties every control has, mirrored onto its widget the same way
// for every kind: place, font, colours, tooltip, accessible texts, whether
// Tab may reach it, enabled and visible. The kind's adapter says how the
// font and the panel apply to its widget. Stacking is the binding's.
class CommonProperties {
public:
    static void mirror(const ui::Control&, QWidget&, const KindAdapter&, const PixelScale&);
};

}
