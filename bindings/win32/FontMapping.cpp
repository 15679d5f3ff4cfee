#include "bindings/win32/FontMapping.h"

#include "bindings/win32/TextMapping.h"

#include <cmath>
#include <initializer_list>
#include <map>

namespace trevalo::win32 {

namespace {

enum class Kind { Missing, Bitmap, Scalable };

int CALLBACK found(const LOGFONTW*, const TEXTMETRICW*, DWORD type, LPARAM kind)
{
    *reinterpret_cast<Kind*>(kind) = (type & RASTER_FONTTYPE) ? Kind::Bitmap : Kind::Scalable;
    return 0;
}

// Asks for the installed family itself: CreateFont would hand back a
// substitute for any name and hide which face we really get. Only a
// scalable face counts: a bitmap one (Windows' own MS Sans Serif) comes in
// a few sizes for 96 dpi and would not follow the screen's.
bool installed(const std::wstring& family)
{
    static std::map<std::wstring, bool> known;
    auto it = known.find(family);
    if (it != known.end())
        return it->second;
    LOGFONTW wanted {};
    wanted.lfCharSet = DEFAULT_CHARSET;
    family.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    Kind kind = Kind::Missing;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, found, reinterpret_cast<LPARAM>(&kind), 0);
    ReleaseDC(nullptr, screen);
    known[family] = kind == Kind::Scalable;
    return known[family];
}

FontMapping::Face firstInstalled(std::initializer_list<const wchar_t*> own, std::initializer_list<const wchar_t*> stand_ins,
    BYTE pitch_and_family)
{
    for (const wchar_t* face : own) {
        if (installed(face))
            return { face, true, pitch_and_family };
    }
    for (const wchar_t* face : stand_ins) {
        if (installed(face))
            return { face, false, pitch_and_family };
    }
    // None of them: the font mapper picks by pitch and family.
    return { *own.begin(), false, pitch_and_family };
}

}

FontMapping::~FontMapping()
{
    for (const Made& made : m_made)
        DeleteObject(made.handle);
}

FontMapping::Face FontMapping::faceFor(std::string_view design_family)
{
    if (design_family == "Courier New") {
        static const Face fixed = firstInstalled({ L"Courier New" }, { L"Liberation Mono", L"DejaVu Sans Mono", L"Courier" },
            FIXED_PITCH | FF_MODERN);
        return fixed;
    }
    if (design_family == "Arial") {
        static const Face arial = firstInstalled({ L"Arial" }, { L"Liberation Sans" }, VARIABLE_PITCH | FF_SWISS);
        return arial;
    }
    if (design_family == "MS Sans Serif") {
        // Windows has the TrueType successor; Wine has a scalable MS Sans
        // Serif of its own (package fonts-wine).
        static const Face sans = firstInstalled({ L"Microsoft Sans Serif", L"MS Sans Serif" },
            { L"Liberation Sans", L"Arial", L"Tahoma" }, VARIABLE_PITCH | FF_SWISS);
        return sans;
    }
    const std::wstring family = TextMapping::wide(design_family);
    return { family, installed(family), DEFAULT_PITCH | FF_DONTCARE };
}

HFONT FontMapping::fontFor(const ui::Font& font, int dpi)
{
    for (const Made& made : m_made) {
        if (made.dpi == dpi && made.font == font)
            return made.handle;
    }
    const Face face = faceFor(font.family);
    double points = font.points;
    if (font.family == "MS Sans Serif" && !face.own && face.name != L"Tahoma")
        points *= ui::fonts::sans_stand_in_points / ui::fonts::sans.points;
    const int height = -int(std::lround(points * dpi / 72.0));
    HFONT handle = CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic, FALSE, FALSE,
        DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, face.pitch_and_family,
        face.name.c_str());
    m_made.push_back({ font, dpi, handle, 0 });
    return handle;
}

int FontMapping::lineHeight(HFONT font)
{
    for (Made& made : m_made) {
        if (made.handle != font)
            continue;
        if (made.line_height == 0) {
            HDC screen = GetDC(nullptr);
            HGDIOBJ old = SelectObject(screen, font);
            TEXTMETRICW metrics {};
            GetTextMetricsW(screen, &metrics);
            SelectObject(screen, old);
            ReleaseDC(nullptr, screen);
            made.line_height = int(metrics.tmHeight);
        }
        return made.line_height;
    }
    return 0;
}

}
