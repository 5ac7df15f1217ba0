// The month calendar both ways: the model's date onto the screen, a day the user picks back.

#include <windows.h>

#include <commctrl.h>

#include "native_control.h"

namespace velmora::win32 {

void sync_calendar(NativeControl& native) {
    const auto& calendar = static_cast<const ui::Calendar&>(*native.control);
    if (native.date == calendar.date()) {
        return;
    }
    SYSTEMTIME day{};
    day.wYear = static_cast<WORD>(calendar.date().year);
    day.wMonth = static_cast<WORD>(calendar.date().month);
    day.wDay = static_cast<WORD>(calendar.date().day);
    SendMessageW(native.hwnd, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&day));
    native.date = calendar.date();
}

void pull_calendar_date(NativeControl& native, const SYSTEMTIME& picked) {
    auto& calendar = static_cast<ui::Calendar&>(*native.control);
    const locale::CivilDate date{picked.wYear, picked.wMonth, picked.wDay};
    calendar.set_date(date);
    native.date = date;
}

}  // namespace velmora::win32
