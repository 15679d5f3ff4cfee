#include "qt/TextMapping.h"

#include "ui/Control.h"

#include <QKeySequence>

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

QString TextMapping::tooltip(const ui::Control& control)
{
    QString tip = QString::fromStdString(control.tooltip());
    if (control.shortcut().empty())
        return tip;
    if (tip.isEmpty())
        tip = shown(control.displayText());
    const QKeySequence keys(QString::fromStdString(control.shortcut()), QKeySequence::PortableText);
    return tip + QStringLiteral(" (") + keys.toString(QKeySequence::NativeText) + QLatin1Char(')');
}

}
