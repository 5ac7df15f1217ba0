#pragma once
// The main window: the narrow always-on-top strip with the browser button, the deadline label,
// the panel buttons, the ID/password panel, the flowchart panel and editor, and in its wide
// layout the 65 profile fields with their row buttons; plus the state the main window owns.

#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "ui/window.h"

namespace velmora::ui {

inline constexpr long kNarrowWidth = 2325;
inline constexpr long kWideWidth = 7600;
inline constexpr long kWideShift = kWideWidth - kNarrowWidth;  // 5275
inline constexpr int kProfileFields = 65;
inline constexpr int kProfileRows = 13;

class Form1 : public Window {
public:
    Form1();

    // History, ID titles, flowchart titles, editor lines and their codes.
    ListBox List1{"List1"};
    ListBox List2{"List2"};
    ListBox List3{"List3"};
    ListBox List4{"List4"};
    ListBox List5{"List5"};

    // The profile grid: Text(0) to Text(64), row labels and the three row buttons per row.
    ControlArray<TextBox> Text;
    ControlArray<Label> Label1;
    ControlArray<Button> Command1;  // 結
    ControlArray<Button> Command5;  // 入
    ControlArray<Button> Command6;  // 別

    Button Command2{"Command2"};  // ブラウザ
    Label Label5{"Label5"};       // live preview while recording or editing
    Label Label6{"Label6"};       // the deadline
    CheckBox Check1{"Check1"};    // 履歴不要

    Frame Frame1{"Frame1"};  // Auto編集
    Frame Frame2{"Frame2"};  // the recorder
    Frame Frame3{"Frame3"};  // ID Password
    Frame Frame4{"Frame4"};  // Automatic

    // Editor title and count, recorder title and count, ID entry boxes.
    TextBox Text1{"Text1"};
    TextBox Text2{"Text2"};
    TextBox Text3{"Text3"};
    TextBox Text4{"Text4"};
    TextBox Text5{"Text5"};
    TextBox Text6{"Text6"};
    TextBox Text7{"Text7"};
    Label Label2{"Label2"};
    Label Label3{"Label3"};
    Label Label4{"Label4"};

    Button Command3{"Command3"};     // ID 上
    Button Command4{"Command4"};     // ID 下
    Button Command7{"Command7"};     // 複
    Button Command8{"Command8"};     // 一括入力
    Button Command9{"Command9"};     // TAB
    Button Command10{"Command10"};   // END
    Button Command11{"Command11"};   // ID 削除
    Button Command12{"Command12"};   // ID
    ControlArray<Button> Command13;  // 上 左 右 下
    Button Command14{"Command14"};   // At
    Button Command15{"Command15"};   // ID 編集
    Button Command16{"Command16"};   // flowchart 上
    Button Command17{"Command17"};   // flowchart 下
    Button Command18{"Command18"};   // flowchart 削除
    Button Command19{"Command19"};   // flowchart 編集
    Button Command20{"Command20"};   // 登　録
    ControlArray<Button> Command21;  // editor buttons

    ControlArray<MenuItem> mn0;                         // 入力, St, Mail, ▼, ⇒
    ControlArray<MenuItem> mn1;                         // 個人情報, ＩＤ・PASS
    MenuItem mnProtectPasswords{"mnProtectPasswords"};  // パスワードを保護する (check-marked)
    MenuItem mn3{"mn3"};                                // the popup of the row buttons
    ControlArray<MenuItem> mn2;                         // the offered part, TAB

    // State the main window owns.
    std::string Today;
    std::string CurUrl;
    int HisPending = 0;
    std::optional<platform::TaskId> BrowserTask;
    std::vector<std::string> FlowTexts{std::string()};  // parallel to List3, plus one spare slot
    std::vector<std::string> IdTexts{std::string()};    // parallel to List2, plus one spare slot
    // The ID book's passwords are kept protected (zov4p.ini) rather than in zov4.ini.
    bool PasswordsProtected = false;

    // Flowchart recorder and editor state.
    int EditMode = 0;
    std::string FlowBuf;
    long FlowPos = 0;
    std::string LineText;
    std::string LineCode;
    std::vector<std::string> FlowSegs;
    std::vector<std::string> SendSteps{std::string()};

    // The notification-area icon reports its mouse events here (514: left button released).
    std::function<void(int code)> on_tray;
};

}  // namespace velmora::ui

namespace velmora::ui {

// The main window's caption is the program's status line: the text, or "!ZOV" when it is empty.
void Fo1Ca(Form1& form, std::string_view text);

}  // namespace velmora::ui
