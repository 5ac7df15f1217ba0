#pragma once
// The extraction window "ZOV-mail": the three result lists, the detail text, the status label,
// the menus (back, Option marks, 自動判別 and 汎用 then the 26 newsletter formats, settings) and
// the extraction state that every parser and the review work on.

#include <string>
#include <string_view>
#include <vector>

#include "text/packed_lines.h"
#include "ui/window.h"

namespace velmora::ui {

inline constexpr int kFormatCount = 26;
inline constexpr int kFirstFormatCode = 100;
inline constexpr std::string_view kAutoCaption = "自動判別";
inline constexpr std::string_view kGenericCaption = "汎用";

class Form3 : public Window {
public:
    Form3();

    Frame Frame1{"Frame1"};
    ListBox List1{"List1"};  // titles, multiple selection
    ListBox List2{"List2"};  // details, hidden
    ListBox List3{"List3"};  // title, deadline, URL per contest, hidden
    ListBox List4{"List4"};  // display settings: format choice, hidden
    TextBox Text1{"Text1"};
    Label Label1{"Label1"};
    Button Command1{"Command1"};  // 連続取込
    Button Command2{"Command2"};  // すべて選択
    Button Command3{"Command3"};  // 裏List

    ControlArray<MenuItem> menu0;  // back, Option, 項目抽出, 各種設定
    ControlArray<MenuItem> mn3;    // the five Option marks
    // The first two items of 項目抽出, always offered: the display settings and zov6.ini leave
    // them out, so that the indexes of `pre` and the file keep their meaning.
    MenuItem preAuto{"preAuto"};        // 自動判別: the format that explains the newsletter best
    MenuItem preGeneric{"preGeneric"};  // 汎用: the general extractor
    MenuItem preBar{"preBar"};          // the rule between them and the formats
    ControlArray<MenuItem> pre;         // the 26 formats
    ControlArray<MenuItem> mn2;         // 表示設定, フォント

    // Extraction state, kept for the window's life (nothing of it is saved).
    long MailNo = 0;
    std::string Today;
    text::PackedLines Lines;
    long LineNo = 0;
    std::string Memo;
    long ItemNo = 0;
    long Mode = 0;
    std::string Pend;
    std::string Work;

    // Set once the window's load has run (it runs on first use, also when only its options are read).
    bool loaded = false;
    // The load's topmost placement, made when the window is next shown.
    bool topmost_due = false;
};

// The design caption of each format, index 0 to 25 (codes 100 to 125).
const std::vector<std::string>& format_captions();
// Whether a format is offered by default (shown and enabled).
bool format_shown_by_default(int index);

}  // namespace velmora::ui
