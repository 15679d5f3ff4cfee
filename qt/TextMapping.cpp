#include "qt/TextMapping.h"

#include "ui/Control.h"

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
    QString result = shown(text);
    result.replace(QLatin1Char('&'), QLatin1String("&&"));
    if (mnemonic) {
        const int at = result.indexOf(QLatin1Char(mnemonic), 0, Qt::CaseInsensitive);
        if (at >= 0)
            result.insert(at, QLatin1Char('&'));
    }
    return result;
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

QString TextMapping::tooltip(const ui::Control& control)
{
    QString tip = wrapped(QString::fromStdString(control.tooltip()));
    if (control.shortcut().empty())
        return tip;
    if (tip.isEmpty())
        tip = shown(control.displayText());
    const QKeySequence keys(QString::fromStdString(control.shortcut()), QKeySequence::PortableText);
    return tip + QStringLiteral(" (") + keys.toString(QKeySequence::NativeText) + QLatin1Char(')');
}

}
