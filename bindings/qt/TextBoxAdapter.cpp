#include "bindings/qt/TextBoxAdapter.h"

#include "bindings/qt/DeviceLines.h"
#include "bindings/qt/TextMapping.h"
#include "ui/TextBox.h"
#include "ui/binding/BindingEvents.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextOption>

namespace trevalo::qt {

namespace {

bool showsBar(ui::ScrollBars bars, Qt::Orientation orientation)
{
    if (bars == ui::ScrollBars::Both)
        return true;
    return orientation == Qt::Vertical ? bars == ui::ScrollBars::Vertical : bars == ui::ScrollBars::Horizontal;
}

void typed(ui::TextBox& box, QString text, ui::BindingEvents& events)
{
    if (box.lines() == ui::Lines::Multi)
        text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    events.typed(box, text.toStdString());
}

void mirrorMultiLine(const ui::TextBox& model, QPlainTextEdit& edit)
{
    const QString text = TextMapping::shown(model.text());
    if (edit.toPlainText() != text)
        edit.setPlainText(text);
    if (edit.isReadOnly() != model.locked()) {
        edit.setReadOnly(model.locked());
        // Locked text can still be selected and copied, by mouse and by
        // keyboard.
        if (model.locked())
            edit.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    auto policy = [&](Qt::Orientation o) {
        return showsBar(model.scrollBars(), o) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    };
    if (edit.verticalScrollBarPolicy() != policy(Qt::Vertical))
        edit.setVerticalScrollBarPolicy(policy(Qt::Vertical));
    if (edit.horizontalScrollBarPolicy() != policy(Qt::Horizontal))
        edit.setHorizontalScrollBarPolicy(policy(Qt::Horizontal));
    // A horizontal scroll bar means long lines stay whole.
    const auto wrap = showsBar(model.scrollBars(), Qt::Horizontal) ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth;
    if (edit.lineWrapMode() != wrap)
        edit.setLineWrapMode(wrap);
}

}

QWidget* TextBoxAdapter::create(ui::Control& control, QWidget& parent) const
{
    // Whether a box is multi-line is a design property: it is read once,
    // here, as the widget kind depends on it.
    if (static_cast<const ui::TextBox&>(control).lines() == ui::Lines::Single) {
        auto* line = new QLineEdit(&parent);
        DeviceLines::watch(*line);
        return line;
    }
    auto* edit = new QPlainTextEdit(&parent);
    DeviceLines::watch(*edit);
    edit->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // The blocks are read, not typed into: Tab goes on to the next step.
    edit->setTabChangesFocus(true);
    return edit;
}

// A box the user may type into keeps the model's text in step, so
// operations read what is shown. Typing runs no operation.
void TextBoxAdapter::connect(ui::Control& control, QWidget& widget, QObject& context, ui::BindingEvents& events) const
{
    auto& box = static_cast<ui::TextBox&>(control);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(&widget)) {
        QObject::connect(edit, &QPlainTextEdit::textChanged, &context,
            [&box, edit, &events] { typed(box, edit->toPlainText(), events); });
    } else if (auto* line = qobject_cast<QLineEdit*>(&widget)) {
        QObject::connect(line, &QLineEdit::textEdited, &context,
            [&box, &events](const QString& text) { typed(box, text, events); });
    }
}

void TextBoxAdapter::mirror(const ui::Control& control, QWidget& widget) const
{
    const auto& model = static_cast<const ui::TextBox&>(control);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(&widget)) {
        mirrorMultiLine(model, *edit);
    } else if (auto* line = qobject_cast<QLineEdit*>(&widget)) {
        const QString text = TextMapping::shown(model.text());
        if (line->text() != text)
            line->setText(text);
        if (line->isReadOnly() != model.locked())
            line->setReadOnly(model.locked());
    }
}

}
