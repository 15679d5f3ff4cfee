#include "bindings/win32/KindAdapter.h"

#include "bindings/win32/ButtonAdapter.h"
#include "bindings/win32/CheckBoxAdapter.h"
#include "bindings/win32/ComboBoxAdapter.h"
#include "bindings/win32/FrameAdapter.h"
#include "bindings/win32/LabelAdapter.h"
#include "bindings/win32/OptionButtonAdapter.h"
#include "bindings/win32/PictureAdapter.h"
#include "bindings/win32/TextBoxAdapter.h"
#include "ui/binding/KindAdapters.h"

namespace trevalo::win32 {

const KindAdapter* KindAdapter::of(ui::ControlKind kind)
{
    return ui::KindAdapters<KindAdapter, FrameAdapter, LabelAdapter, TextBoxAdapter, ComboBoxAdapter, CheckBoxAdapter,
        OptionButtonAdapter, ButtonAdapter, PictureAdapter>::of(kind);
}

void KindAdapter::setStyle(HWND hwnd, DWORD bits, bool on)
{
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    const LONG_PTR wanted = on ? (style | LONG_PTR(bits)) : (style & ~LONG_PTR(bits));
    if (wanted == style)
        return;
    SetWindowLongPtrW(hwnd, GWL_STYLE, wanted);
    InvalidateRect(hwnd, nullptr, TRUE);
}

}
