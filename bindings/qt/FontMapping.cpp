#include "bindings/qt/FontMapping.h"

#include <QFontDatabase>
#include <QStringList>

#include <initializer_list>

namespace trevalo::qt {

using namespace ui;

namespace {

enum class Class { Fixed, Arial, Sans, Other };

Class classify(std::string_view family)
{
    if (family == "Courier New")
        return Class::Fixed;
    if (family == "Arial")
        return Class::Arial;
    if (family == "MS Sans Serif")
        return Class::Sans;
    return Class::Other;
}

// Asks for the installed families themselves: hasFamily() would also accept
// a fontconfig alias and hide which face we really get.
bool installed(const QString& family)
{
    static const QStringList families = QFontDatabase::families();
    return families.contains(family, Qt::CaseInsensitive);
}

QString firstInstalled(std::initializer_list<const char*> candidates, QFontDatabase::SystemFont fallback)
{
    for (const char* candidate : candidates) {
        if (installed(QString::fromLatin1(candidate)))
            return QString::fromLatin1(candidate);
    }
    return QFontDatabase::systemFont(fallback).family();
}

}

QString FontMapping::familyFor(std::string_view design_family)
{
    switch (classify(design_family)) {
    case Class::Fixed: {
        static const QString fixed = firstInstalled({ "Courier New", "Liberation Mono" }, QFontDatabase::FixedFont);
        return fixed;
    }
    case Class::Arial: {
        static const QString arial = firstInstalled({ "Arial", "Liberation Sans" }, QFontDatabase::GeneralFont);
        return arial;
    }
    case Class::Sans: {
        static const QString sans = firstInstalled({ "Liberation Sans" }, QFontDatabase::GeneralFont);
        return sans;
    }
    case Class::Other:
        break;
    }
    QString family = QString::fromStdString(std::string(design_family));
    return installed(family) ? family : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

double FontMapping::pointsFor(const Font& font)
{
    if (classify(font.family) == Class::Sans)
        return font.points * (ui::fonts::sans_stand_in_points / ui::fonts::sans.points);
    return font.points;
}

QFont FontMapping::toQFont(const Font& font)
{
    QFont qfont(familyFor(font.family));
    qfont.setPointSizeF(pointsFor(font));
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    qfont.setUnderline(false);
    qfont.setStrikeOut(false);
    // The captions are plain Latin text, laid out for Windows, which draws
    // them without kerning. Skipping the shaper for such text does the same,
    // and spares the first paint the shaping set-up of every face it uses.
    qfont.setStyleStrategy(QFont::PreferNoShaping);
    if (classify(font.family) == Class::Fixed) {
        // The blocks are patched by character position; a proportional
        // stand-in would scramble their columns.
        qfont.setStyleHint(QFont::TypeWriter);
        qfont.setFixedPitch(true);
    }
    return qfont;
}

}
