#include "ui/form3.h"

namespace velmora::ui {

const std::vector<std::string>& format_captions() {
    static const std::vector<std::string> captions = {
        "猫招く懸賞読本",
        "Chance It!",
        "厳選豪華懸賞情報",
        "懸賞のつぼ★",
        "AAA-Present! 高額懸賞情報",
        "j-prize",
        "MyPresent",
        "Present-no1「ＨｏＨｏＨｏ！」",
        "ゆめの懸賞部屋",  // a reader's contest corner
        "◆懸賞ざんまいな生活マガジン【懸賞情報編】",
        "懸賞情報空間便",
        "「懸賞宅配便」（厳選版）",
        "どるマガ［金券版］",
        "○笑う懸賞生活マガジン",
        "感っ！無料",
        "懸賞＠がらくたWebマガジン",
        "Clip Club",
        "ＩＰＳ懸賞情報マガジン",
        "さくらの懸賞広場",  // another reader's contest corner
        "Csj",
        "狙え！現金・金券プレゼント！",
        "懸賞くんプレゼントさん！",
        "懸賞の缶詰！",
        "江戸前",
        "のんべえ倶楽部",
        "ＴＯＫＵＴＯＫＵマガジン",
    };
    return captions;
}

bool format_shown_by_default(int index) {
    return index == 0 || index == 6 || index == 9 || index == 10 || index == 14 || index == 17;
}

Form3::Form3() : Window("Form3") {
    set_caption("ZOV-mail");
    move(0, 0);
    set_size(7335, 6000);

    Frame1.set_geometry({0, 0, 7835, 6500});
    Frame1.set_caption("");
    List1.set_multi_select(true);
    List1.set_geometry({60, 480, 7065, 1620});
    List2.set_geometry({60, 480, 3500, 1620});
    List2.set_visible(false);
    List3.set_geometry({3600, 480, 3500, 1620});
    List3.set_visible(false);
    List4.set_multi_select(true);
    List4.set_geometry({60, 60, 7050, 5145});
    List4.set_visible(false);
    Text1.set_multiline(true);
    // Resizing gives Text1 the window height less 2940 twips; from this top its bottom then stays
    // clear of the caption and menu bar that the window height includes.
    Text1.set_geometry({60, 2160, 7065, 3060});
    Label1.set_caption("チェック");
    Label1.set_geometry({4860, 60, 2265, 375});
    Command1.set_caption("連続取込");
    Command1.set_geometry({60, 60, 1455, 375});
    Command2.set_caption("すべて選択");
    Command2.set_geometry({1560, 60, 1455, 375});
    Command3.set_caption("裏List");
    Command3.set_geometry({3060, 60, 1095, 375});
    for (Control* c : std::initializer_list<Control*>{&List1, &List2, &List3, &Text1, &Label1, &Command1,
                                                      &Command2, &Command3}) {
        c->set_container(&Frame1);
    }

    static const char* const menu_captions[] = {"back", "Option", "項目抽出", "各種設定"};
    for (const char* caption : menu_captions) {
        menu0.add("menu0").set_caption(caption);
    }
    static const char* const mark_captions[] = {"ストック済みを確認する", "応募済みを確認する",
                                                "今月応募済みを確認する", "過去応募済みを確認する",
                                                "応募期限切れを確認する"};
    for (const char* caption : mark_captions) {
        MenuItem& item = mn3.add("mn3");
        item.set_caption(caption);
        item.set_parent(&menu0[1]);
    }
    mn3[2].set_checked(true);
    preAuto.set_caption(kAutoCaption);
    preGeneric.set_caption(kGenericCaption);
    preBar.set_caption(kMenuRule);
    preAuto.set_parent(&menu0[2]);
    preGeneric.set_parent(&menu0[2]);
    preBar.set_parent(&menu0[2]);
    const auto& captions = format_captions();
    for (int i = 0; i < kFormatCount; ++i) {
        MenuItem& item = pre.add("pre");
        item.set_caption(captions[static_cast<std::size_t>(i)]);
        item.set_parent(&menu0[2]);
        const bool shown = format_shown_by_default(i);
        item.set_visible(shown);
        item.set_enabled(shown);
    }
    mn2.add("mn2").set_caption("表示設定");
    mn2.add("mn2").set_caption("フォント");
    mn2[0].set_parent(&menu0[3]);
    mn2[1].set_parent(&menu0[3]);
    mn2[1].set_visible(false);

    for (Control* c : std::initializer_list<Control*>{&Frame1, &List1, &List2, &List3, &List4, &Text1,
                                                      &Label1, &Command1, &Command2, &Command3}) {
        add(*c);
    }
    add_all(menu0);
    add_all(mn3);
    add(preAuto);  // before the formats: menus are built in the order of the controls
    add(preGeneric);
    add(preBar);
    add_all(pre);
    add_all(mn2);
}

}  // namespace velmora::ui
