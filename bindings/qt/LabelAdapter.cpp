#include "bindings/qt/LabelAdapter.h"

#include "bindings/qt/TabStopLabel.h"
#include "bindings/qt/TextMapping.h"
#include "ui/Label.h"

#include <QLabel>

namespace trevalo::qt {

namespace {

Qt::Alignment qtAlignment(ui::Alignment alignment)
{
    switch (alignment) {
    case ui::Alignment::Left:
        return Qt::AlignLeft | Qt::AlignTop;
    case ui::Alignment::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case ui::Alignment::Centre:
        return Qt::AlignHCenter | Qt::AlignTop;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

}

QWidget* LabelAdapter::create(ui::Control& control, QWidget& parent) const
{
    // A design property, read once: the widget kind depends on it.
    const bool tab_stop = static_cast<const ui::Label&>(control).tabStop() == ui::Label::TabStop::Yes;
    QLabel* label = tab_stop ? new TabStopLabel(&parent) : new QLabel(&parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void LabelAdapter::mirror(const ui::Control& control, QWidget& widget) const
{
    const auto& model = static_cast<const ui::Label&>(control);
    auto& label = static_cast<QLabel&>(widget);
    const QString text = TextMapping::shown(model.caption());
    if (label.text() != text)
        label.setText(text);
    const Qt::Alignment alignment = qtAlignment(model.alignment());
    if (label.alignment() != alignment)
        label.setAlignment(alignment);
    if (label.wordWrap() != model.wordWrap())
        label.setWordWrap(model.wordWrap());
}

}
