#pragma once
// One control of the model and the native control that shows it, with what the screen shows
// now, so that a sync changes only what differs. One file per control kind mirrors it both ways:
// model to screen after every event, user edits and selections from the screen into the model.

#include <windows.h>

#include <string>
#include <vector>

#include "ui/controls.h"

namespace velmora::win32 {

struct NativeControl {
    ui::Control* control = nullptr;
    HWND hwnd = nullptr;

    // The screen's state as last set or read.
    RECT rect{-1, -1, -1, -1};
    bool visible = false;
    bool covered = false;  // lies under a shown frame that it does not belong to
    bool enabled = true;
    bool checked = false;
    std::string caption;
    bool caption_known = false;
    std::vector<std::string> rows;
    std::vector<char> selected;
    long list_index = -2;
    long sel_start = -1;
    long sel_length = -1;
    locale::CivilDate date{0, 0, 0};
    ui::Colour colour = ui::Colour::Normal;
    std::string tip;
    HFONT font = nullptr;
    UINT font_dpi = 0;  // the density the font was chosen for
};

// Creates the native control for `native.control` as a child of `parent` (control_create.cpp).
void create_native_control(NativeControl& native, HWND parent, int id, HFONT font);

// Position (relative to the window: frames add their own offsets) in the pixels of a screen of
// `dpi` dots per inch, the font of that density, visibility, enabled state, caption and check
// mark (control_sync.cpp).
void sync_common(NativeControl& native, UINT dpi);
RECT pixel_rect(const ui::Control& control, UINT dpi);
bool shown_in_window(const ui::Control& control);

// List boxes (list_sync.cpp): rows and selection onto the screen; the user's selection back.
void sync_list(NativeControl& native);
void pull_list_selection(NativeControl& native);

// Text boxes (text_sync.cpp): text and selection onto the screen; the user's edit back (true when
// the text changed), and the selection as the user left it.
void sync_text(NativeControl& native);
bool pull_text(NativeControl& native);
void pull_text_selection(NativeControl& native);

// The month calendar (calendar_sync.cpp).
void sync_calendar(NativeControl& native);
void pull_calendar_date(NativeControl& native, const SYSTEMTIME& picked);

// Tool tips (tooltip_sync.cpp): one tool-tip window per window, a tool per control with a tip.
HWND create_tooltips(HWND window);
void sync_tip(NativeControl& native, HWND tooltips, HWND window);

}  // namespace velmora::win32
