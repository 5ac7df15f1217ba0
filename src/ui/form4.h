#pragma once
// The option window "Option". No operation shows it; the contest check and the history update
// read two of its check boxes, which therefore keep their initial state, unchecked.

#include "ui/window.h"

namespace velmora::ui {

class Form4 : public Window {
public:
    Form4();

    Frame Frame1{"Frame1"};     // ストックオプション
    CheckBox Check1{"Check1"};  // 応募時の履歴更新時に確認
    CheckBox Check4{"Check4"};  // 更新後、それ以前の履歴の削除の確認をする
};

}  // namespace velmora::ui
