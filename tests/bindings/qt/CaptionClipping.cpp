#include "bindings/qt/CaptionClipping.h"

#include "bindings/qt/FrameWidget.h"
#include "ui/Window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>

#include <algorithm>

namespace trevalo::testing {

QRegion CaptionClipping::seenRegion(QWidget* widget, QWidget* client)
{
    if (!widget->isVisibleTo(client))
        return {};
    QRegion region(widget->geometry());
    for (QWidget* current = widget; current != client; current = current->parentWidget()) {
        QWidget* parent = current->parentWidget();
        const QObjectList& siblings = parent->children();
        for (qsizetype i = siblings.indexOf(current) + 1; i < siblings.size(); ++i) {
            auto* above = qobject_cast<QWidget*>(siblings[i]);
            if (above && !above->isWindow() && above->isVisibleTo(client))
                region -= above->geometry();
        }
        region &= parent->rect();
        if (parent != client)
            region.translate(parent->pos());
    }
    return region;
}

namespace {

// Blanks at the end of a caption are no text that could be cut.
int inkWidth(const QFontMetrics& metrics, QString text)
{
    text = CaptionClipping::drawnText(text);
    while (text.endsWith(' '))
        text.chop(1);
    return metrics.horizontalAdvance(text);
}

// Draws the label's text as QLabel lays it out, but unclipped, and counts
// the dark pixels that fall outside the label.
int inkOutside(const QLabel* label)
{
    const int margin = 40;
    QRect inside(margin, margin, label->width(), label->height());
    QImage image(label->width() + 2 * margin, label->height() + 2 * margin, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setFont(label->font());
        painter.setPen(Qt::black);
        int flags = int(label->alignment()) | Qt::TextDontClip | (label->wordWrap() ? Qt::TextWordWrap : 0);
        painter.drawText(inside, flags, label->text());
    }
    int outside = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!inside.contains(x, y) && qAlpha(image.pixel(x, y)) >= 128)
                ++outside;
        }
    }
    return outside;
}

}

std::string CaptionClipping::clipping(QWidget* widget)
{
    QFontMetrics metrics = widget->fontMetrics();
    QStyle* style = widget->style();
    auto fits = [](int need, int have, const char* what) {
        return need <= have ? std::string() : std::string(what) + " needs " + std::to_string(need) + " px, has " + std::to_string(have);
    };

    if (auto* label = qobject_cast<QLabel*>(widget)) {
        int outside = inkOutside(label);
        return outside == 0 ? std::string() : std::to_string(outside) + " pixels of text outside the label";
    }
    if (auto* button = qobject_cast<QCheckBox*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        int indicator = style->pixelMetric(QStyle::PM_IndicatorWidth, &option, button);
        int spacing = style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, button);
        std::string why = fits(indicator + spacing + inkWidth(metrics, button->text()), button->width(), "width");
        return why.empty() ? fits(metrics.height(), button->height(), "height") : why;
    }
    if (auto* button = qobject_cast<QRadioButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        int indicator = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &option, button);
        int spacing = style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &option, button);
        std::string why = fits(indicator + spacing + inkWidth(metrics, button->text()), button->width(), "width");
        return why.empty() ? fits(metrics.height(), button->height(), "height") : why;
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        int margin = style->pixelMetric(QStyle::PM_ButtonMargin, &option, button);
        int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, button);
        std::string why = fits(inkWidth(metrics, button->text()) + 2 * margin, button->width(), "width");
        return why.empty() ? fits(metrics.height() + 2 * frame, button->height(), "height") : why;
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = false;
        option.frame = true;
        QRect field = style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        // Any item can come to be shown, so the widest decides.
        QStringList texts { combo->currentIndex() >= 0 ? combo->currentText() : combo->placeholderText() };
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
        int widest = 0;
        for (const QString& text : texts)
            widest = std::max(widest, inkWidth(metrics, text));
        return fits(widest, field.width(), "widest item");
    }
    if (auto* frame = dynamic_cast<qt::FrameWidget*>(widget)) {
        if (frame->title().isEmpty())
            return {};
        return fits(frame->titleRect().right() + 1, frame->width(), "title");
    }
    if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        if (box->title().isEmpty())
            return {};
        QStyleOptionGroupBox option;
        option.initFrom(box);
        if (auto* frame = dynamic_cast<qt::FrameWidget*>(box))
            option.fontMetrics = QFontMetrics(frame->titleFont(), frame);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        option.textAlignment = box->alignment();
        QRect title = style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        return fits(title.right() + 1, box->width(), "title");
    }
    return {};
}

std::vector<std::string> CaptionClipping::clippedCaptions(qt::WindowBinding& binding, int* checked)
{
    std::vector<std::string> clipped;
    QWidget* client = &binding.client();
    for (ui::Control* control : binding.window().controls()) {
        QWidget* widget = binding.widgetFor(*control);
        if (!widget || seenRegion(widget, client).isEmpty())
            continue;
        if (checked)
            ++*checked;
        std::string why = clipping(widget);
        if (!why.empty())
            clipped.push_back(control->name() + " \"" + control->displayText() + "\": " + why);
    }
    return clipped;
}

QString CaptionClipping::drawnText(const QString& caption)
{
    QString text;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        text += caption[i];
    }
    return text;
}

}
