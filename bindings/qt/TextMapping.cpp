#include "bindings/qt/TextMapping.h"

#include "bindings/qt/ShortcutKeys.h"

#include "ui/Control.h"
#include "ui/binding/BindingTexts.h"

#include <QKeySequence>
#include <QStringList>
#include <QTextDocument>

namespace trevalo::qt {

QString TextMapping::shown(const std::string& text)
{
    QString result = QString::fromStdString(text);
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

QString TextMapping::caption(const std::string& text, char mnemonic)
{
    return shown(ui::BindingTexts::markedCaption(text, mnemonic));
}

namespace {

// Qt wraps a tooltip only when it is rich text (or wider than the screen);
// prose with long lines (the checks' findings) is made rich so it wraps to
// a readable width. Listings keep their lines as they are.
QString wrapped(const QString& tip)
{
    constexpr int longest_unwrapped = 120;
    for (const QString& line : tip.split(QLatin1Char('\n'))) {
        if (line.size() > longest_unwrapped)
            return Qt::convertFromPlainText(QString(tip).remove(QLatin1Char('\r')), Qt::WhiteSpaceNormal);
    }
    return tip;
}

}

std::string TextMapping::shortcut(const ui::Control& control)
{
    return ShortcutKeys::of(control).toString(QKeySequence::NativeText).toStdString();
}

QString TextMapping::tooltip(const ui::Control& control)
{
    return wrapped(QString::fromStdString(ui::BindingTexts::tooltip(control, shortcut(control))));
}

QString TextMapping::menuItem(const ui::Control& control)
{
    return shown(ui::BindingTexts::menuItemText(control, shortcut(control)));
}

}
