#include "bindings/qt/KindAdapter.h"

#include "bindings/qt/ButtonAdapter.h"
#include "bindings/qt/CheckBoxAdapter.h"
#include "bindings/qt/ComboBoxAdapter.h"
#include "bindings/qt/FrameAdapter.h"
#include "bindings/qt/LabelAdapter.h"
#include "bindings/qt/OptionButtonAdapter.h"
#include "bindings/qt/PictureAdapter.h"
#include "bindings/qt/TextBoxAdapter.h"
#include "ui/binding/KindAdapters.h"

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
    return ui::KindAdapters<KindAdapter, FrameAdapter, LabelAdapter, TextBoxAdapter, ComboBoxAdapter, CheckBoxAdapter,
        OptionButtonAdapter, ButtonAdapter, PictureAdapter>::of(kind);
}

}
