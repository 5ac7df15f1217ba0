#include "ui/form1.h"

#include <initializer_list>

namespace velmora::ui {
namespace {

void place(Control& c, long left, long top, long width, long height, const char* caption = nullptr,
           Control* container = nullptr) {
    c.set_geometry({left, top, width, height});
    if (caption != nullptr) {
        c.set_caption(caption);
    }
    c.set_container(container);
}

}  // namespace

Form1::Form1() : Window("Form1") {
    set_caption("!ZOV");
    move(0, 0);
    set_size(kNarrowWidth, 5325);

    // The strip's own controls.
    place(Command12, 60, 30, 420, 330, "ID");
    Command12.set_tip("【右】ＩＤ登録");
    place(Command14, 495, 30, 420, 330, "At");
    Command14.set_tip("【右】At登録");
    place(Command7, 930, 30, 420, 330, "複");
    place(Command2, 1365, 30, 840, 330, "ブラウザ");
    place(Label6, 60, 4380, 1110, 255, "");
    place(Check1, 1185, 4380, 1020, 255, "履歴不要");
    place(Label5, 2340, 4380, 5250, 255, "");
    place(List1, 2340, 4900, 5250, 600);
    List1.set_visible(false);

    // The profile grid; with the deadline line below it, it fits the 355-pixel strip under its
    // caption and menu bar.
    for (int r = 0; r < kProfileRows; ++r) {
        const long top = 630 + 285L * r;
        static const char* const row_captions[] = {"０", "１", "２", "３", "４", "５", "６",
                                                   "７", "８", "９", "ａ", "ａ", "ａ"};
        place(Label1.add("Label1"), 60, top + 30, 780, 255, row_captions[r]);
        place(Command1.add("Command1"), 900, top, 435, 285, "結");
        place(Command5.add("Command5"), 1320, top, 435, 285, "入");
        place(Command6.add("Command6"), 1740, top, 435, 285, "別");
        place(Text.add("Text"), 2340, top, 1155, 285);
        place(Text.add("Text"), 3600, top, 1155, 285);
        place(Text.add("Text"), 4740, top, 1155, 285);
        place(Text.add("Text"), 5880, top, 1155, 285);
        place(Text.add("Text"), 7020, top, 435, 285);
    }

    // The ID/password panel; List2 lies over the entry boxes, Command20 over the list buttons.
    place(Frame3, 60, 420, 2175, 3660, "ID Password");
    place(List2, 60, 240, 2055, 2520, nullptr, &Frame3);
    place(Label2, 60, 300, 700, 255, "タイトル", &Frame3);
    place(Text4, 780, 240, 1335, 315, nullptr, &Frame3);
    place(Label3, 60, 660, 700, 255, "ID", &Frame3);
    place(Text5, 780, 600, 1335, 315, nullptr, &Frame3);
    place(Label4, 60, 1020, 700, 255, "パス", &Frame3);
    place(Text6, 780, 960, 1335, 315, nullptr, &Frame3);
    Text6.set_password(true);
    place(Command15, 60, 2880, 495, 315, "編集", &Frame3);
    place(Command11, 570, 2880, 495, 315, "削除", &Frame3);
    place(Command3, 1080, 2880, 495, 315, "上", &Frame3);
    place(Command4, 1590, 2880, 495, 315, "下", &Frame3);
    place(Command20, 60, 2880, 2025, 315, "登　録", &Frame3);
    Frame3.set_visible(false);
    Command20.set_visible(false);

    // The flowchart panel with the recorder.
    place(Frame4, 60, 420, 2175, 3660, "Automatic");
    place(List3, 60, 240, 2055, 1680, nullptr, &Frame4);
    place(Command19, 60, 1980, 495, 315, "編集", &Frame4);
    place(Command18, 570, 1980, 495, 315, "削除", &Frame4);
    place(Command16, 1080, 1980, 495, 315, "上", &Frame4);
    place(Command17, 1590, 1980, 495, 315, "下", &Frame4);
    place(Command8, 60, 2340, 2025, 315, "一括入力", &Frame4);
    place(Frame2, 60, 2700, 2055, 900, "", &Frame4);
    static const char* const pad[] = {"上", "左", "右", "下"};
    for (int d = 0; d < 4; ++d) {
        place(Command13.add("Command13"), 60 + 360L * d, 180, 345, 315, pad[d], &Frame2);
    }
    place(Text7, 1515, 180, 480, 315, "1", &Frame2);
    place(Command9, 60, 540, 615, 315, "TAB", &Frame2);
    place(Command10, 690, 540, 615, 315, "END", &Frame2);
    place(Text3, 1320, 540, 675, 315, "タイトル", &Frame2);
    Command9.set_enabled(false);
    Command10.set_enabled(false);
    Frame2.set_visible(false);
    Frame4.set_visible(false);

    // The flowchart editor.
    place(Frame1, 60, 0, 2175, 4560, "Auto編集");
    place(Text1, 60, 240, 2055, 315, nullptr, &Frame1);
    place(List4, 60, 600, 2055, 2220, nullptr, &Frame1);
    place(List5, 60, 600, 2055, 2220, nullptr, &Frame1);
    List5.set_visible(false);
    place(Text2, 60, 2880, 435, 315, "1", &Frame1);
    static const char* const editor[] = {"上書", "挿入", "削除", "完了", "上", "左", "右", "下", "Clear"};
    for (int i = 0; i < 9; ++i) {
        Button& b = Command21.add("Command21");
        if (i < 4) {
            place(b, 60 + 510L * i, 3600, 495, 315, editor[i], &Frame1);
        } else if (i < 8) {
            place(b, 510 + 345L * (i - 4), 2880, 330, 315, editor[i], &Frame1);
        } else {
            place(b, 60, 3240, 2025, 315, editor[i], &Frame1);
        }
    }
    Frame1.set_visible(false);
    Label5.set_visible(false);

    // Menus.
    static const char* const bar[] = {"入力", "St", "Mail", "▼", "⇒"};
    for (const char* caption : bar) {
        mn0.add("mn0").set_caption(caption);
    }
    mn1.add("mn1").set_caption("個人情報");
    mn1.add("mn1").set_caption("ＩＤ・PASS");
    mn1[0].set_parent(&mn0[0]);
    mn1[1].set_parent(&mn0[0]);
    mnProtectPasswords.set_caption("パスワードを保護する");
    mnProtectPasswords.set_parent(&mn0[0]);
    mn3.set_caption("⇒");
    mn3.set_visible(false);
    mn3.set_popup_only(true);
    mn2.add("mn2").set_caption("Enter");
    mn2.add("mn2").set_caption("TAB");
    mn2[0].set_parent(&mn3);
    mn2[1].set_parent(&mn3);

    for (Control* c : std::initializer_list<Control*>{
             &List1,     &List2,     &List3,     &List4,     &List5,     &Command2,  &Label5,    &Label6,
             &Check1,    &Frame1,    &Frame2,    &Frame3,    &Frame4,    &Text1,     &Text2,     &Text3,
             &Text4,     &Text5,     &Text6,     &Text7,     &Label2,    &Label3,    &Label4,    &Command3,
             &Command4,  &Command7,  &Command8,  &Command9,  &Command10, &Command11, &Command12, &Command14,
             &Command15, &Command16, &Command17, &Command18, &Command19, &Command20, &mn3}) {
        add(*c);
    }
    add_all(Text);
    add_all(Label1);
    add_all(Command1);
    add_all(Command5);
    add_all(Command6);
    add_all(Command13);
    add_all(Command21);
    add_all(mn0);
    add_all(mn1);
    add(mnProtectPasswords);
    add_all(mn2);
}

}  // namespace velmora::ui

namespace velmora::ui {

void Fo1Ca(Form1& form, std::string_view text) {
    form.set_caption(text.empty() ? std::string_view("!ZOV") : text);
}

}  // namespace velmora::ui
