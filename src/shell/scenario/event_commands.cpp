// Program and event commands: start, close, activate, the user's clicks, keys and texts, menus,
// resizing, calendar clicks and the tray icon's mouse events.

#include "shell/scenario/session.h"
#include "text/text.h"

namespace velmora::shell::scenario {
namespace {

Outcome wrong_form(const Command& command, std::string_view form) {
    return failed("expected " + command.name + " " + std::string(form) + ", found " +
                  std::to_string(command.args.size()) + " arguments");
}

Outcome fire(const std::function<void()>& handler) {
    if (handler) {
        handler();
    }
    return passed();
}

// A click on a row: the row becomes the current one and is selected (other selected rows of a
// multiple-selection list stay selected).
Outcome choose_row(ui::Control& control, const Arg& row_arg) {
    auto* list = dynamic_cast<ui::ListBox*>(&control);
    const auto row = read_number(row_arg.text);
    if (list == nullptr) {
        return failed("expected a list for a row, found " + control.id() + " that is no list");
    }
    if (!row || *row < 0 || *row >= list->count()) {
        return failed("expected a row of " + control.id() + " (0 to " + std::to_string(list->count() - 1) +
                      "), found " + as_text(row_arg.text));
    }
    list->set_list_index(*row);
    list->set_selected(*row, true);
    return passed();
}

Outcome click(Session& session, const Command& command, bool twice) {
    if (command.args.empty() || command.args.size() > 2) {
        return wrong_form(command, "TARGET [ROW]");
    }
    std::string why;
    const auto target = session.resolve_for_event(command.args[0].text, why);
    if (!target) {
        return failed(why);
    }
    if (target->control == nullptr) {
        return failed("expected a control to click, found the window " + command.args[0].text);
    }
    ui::Control& c = *target->control;
    if (command.args.size() == 2) {
        if (auto outcome = choose_row(c, command.args[1])) {
            return outcome;
        }
    }
    if (twice) {
        return fire(c.on_dblclick);
    }
    if (auto* box = dynamic_cast<ui::CheckBox*>(&c)) {
        box->set_checked(!box->checked());
    }
    return fire(c.on_click);
}

Outcome mousedown(Session& session, const Command& command) {
    if (command.args.size() != 2) {
        return wrong_form(command, "TARGET left|right");
    }
    const std::string& button = command.args[1].text;
    if (button != "left" && button != "right") {
        return failed("expected left or right, found " + as_text(button));
    }
    std::string why;
    const auto target = session.resolve_for_event(command.args[0].text, why);
    if (!target || target->control == nullptr) {
        return failed(target ? "expected a control, found a window" : why);
    }
    if (target->control->on_mousedown) {
        target->control->on_mousedown(button == "left" ? ui::MouseButton::Left : ui::MouseButton::Right);
    }
    return passed();
}

Outcome key_or_focus(Session& session, const Command& command) {
    const bool is_key = command.name == "key";
    if (command.args.size() != (is_key ? 2U : 1U)) {
        return wrong_form(command, is_key ? "TARGET CODE" : "TARGET");
    }
    std::string why;
    const auto target = session.resolve_for_event(command.args[0].text, why);
    if (!target || target->control == nullptr) {
        return failed(target ? "expected a control, found a window" : why);
    }
    ui::Control& c = *target->control;
    if (!is_key) {
        return fire(c.on_gotfocus);
    }
    const auto code = read_number(command.args[1].text);
    if (!code) {
        return failed("expected a key code, found " + as_text(command.args[1].text));
    }
    if (c.on_keydown) {
        c.on_keydown(static_cast<int>(*code));
    }
    return passed();
}

Outcome set_text(Session& session, const Command& command) {
    if (command.args.size() != 2) {
        return wrong_form(command, "TARGET TEXT");
    }
    std::string why;
    const auto target = session.resolve_for_event(command.args[0].text, why);
    if (!target) {
        return failed(why);
    }
    auto* box = dynamic_cast<ui::TextBox*>(target->control);
    if (box == nullptr) {
        return failed("expected a text box, found " + describe(*target));
    }
    box->set_text(text_joined(command.args[1]));
    return fire(box->on_change);
}

Outcome select_rows(Session& session, const Command& command) {
    if (command.args.empty()) {
        return wrong_form(command, "TARGET [ROW...]");
    }
    std::string why;
    const auto target = session.resolve_for_event(command.args[0].text, why, false);
    if (!target) {
        return failed(why);
    }
    auto* list = dynamic_cast<ui::ListBox*>(target->control);
    if (list == nullptr) {
        return failed("expected a list, found " + describe(*target));
    }
    std::vector<long> rows;
    for (std::size_t i = 1; i < command.args.size(); ++i) {
        const auto row = read_number(command.args[i].text);
        if (!row || *row < 0 || *row >= list->count()) {
            return failed("expected a row of " + describe(*target) + " (0 to " +
                          std::to_string(list->count() - 1) + "), found " + as_text(command.args[i].text));
        }
        rows.push_back(*row);
    }
    if (!list->multi_select() && rows.size() > 1) {
        return failed("expected one row for the single-selection list " + describe(*target) + ", found " +
                      std::to_string(rows.size()));
    }
    list->clear_selection();
    if (!rows.empty()) {
        list->set_list_index(rows.front());
    }
    for (long row : rows) {
        list->set_selected(row, true);
    }
    return passed();
}

// The first item on the way from the menu bar that a user could not open or choose.
std::string why_unreachable(const ui::MenuItem& item) {
    std::string why = item.id() + " hidden";
    for (const ui::MenuItem* m = &item; m != nullptr; m = m->parent()) {
        if (!m->enabled()) {
            why = m->id() + " disabled";
        } else if (!m->visible() && !m->popup_only()) {
            why = m->id() + " hidden";
        }
    }
    return why;
}

Outcome menu(Session& session, const Command& command) {
    if (command.args.size() != 1) {
        return wrong_form(command, "TARGET");
    }
    std::string why;
    const auto target = session.resolve_for_event(command.args[0].text, why);
    if (!target) {
        return failed(why);
    }
    auto* item = dynamic_cast<ui::MenuItem*>(target->control);
    if (item == nullptr) {
        return failed("expected a menu item, found " + describe(*target));
    }
    if (!target->window->visible()) {
        return failed("expected " + target->window->name() + " shown to choose " + describe(*target) +
                      ", found it hidden");
    }
    if (!item->reachable()) {
        return failed("expected a menu item a user could choose, found " + why_unreachable(*item));
    }
    return fire(item->on_click);
}

Outcome window_event(Session& session, const Command& command) {
    const bool is_resize = command.name == "resize";
    if (command.args.size() != (is_resize ? 3U : 1U)) {
        return wrong_form(command, is_resize ? "WINDOW WIDTH HEIGHT" : "WINDOW");
    }
    std::string why;
    const auto target = session.resolve_for_event(command.args[0].text, why);
    if (!target) {
        return failed(why);
    }
    if (target->control != nullptr) {
        return failed("expected a window, found the control " + describe(*target));
    }
    ui::Window& window = *target->window;
    if (command.name == "close") {
        // The main window can be closed while it is in the tray (the desktop shutting down).
        if (!window.visible() && &window != &session.program()->form1) {
            return failed("expected " + window.name() + " shown to close it, found it hidden");
        }
        fire(window.on_query_unload);
        if (&window != &session.program()->form1) {
            window.hide();
        }
        return passed();
    }
    if (!window.visible()) {
        return failed("expected " + window.name() + " shown (a user could not reach it), found it hidden");
    }
    if (command.name == "activate") {
        return fire(window.on_activate);
    }
    const auto width = read_number(command.args[1].text);
    const auto height = read_number(command.args[2].text);
    if (!width || !height) {
        return failed("expected WIDTH HEIGHT in twips, found " + as_text(command.args[1].text) + " " +
                      as_text(command.args[2].text));
    }
    window.set_size(*width, *height);
    return passed();
}

Outcome dateclick(Session& session, const Command& command) {
    if (command.args.size() != 2) {
        return wrong_form(command, "Form5.MonthView1 YYYY/MM/DD");
    }
    std::string why;
    const auto target = session.resolve_for_event(command.args[0].text, why);
    if (!target) {
        return failed(why);
    }
    auto* calendar = dynamic_cast<ui::Calendar*>(target->control);
    const auto parts = text::split(command.args[1].text, "/");
    if (calendar == nullptr || parts.size() != 3) {
        return failed("expected a calendar and a date YYYY/MM/DD, found " + describe(*target) + " " +
                      as_text(command.args[1].text));
    }
    const auto y = read_number(parts[0]);
    const auto m = read_number(parts[1]);
    const auto d = read_number(parts[2]);
    const locale::CivilDate date{static_cast<int>(y.value_or(0)), static_cast<int>(m.value_or(0)),
                                 static_cast<int>(d.value_or(0))};
    if (!y || !m || !d || !locale::is_valid(date)) {
        return failed("expected a real date, found " + as_text(command.args[1].text));
    }
    calendar->set_date(date);
    return fire(calendar->on_dateclick);
}

Outcome tray(Session& session, const Command& command) {
    if (command.args.size() != 1) {
        return wrong_form(command, "CODE");
    }
    const auto code = read_number(command.args[0].text);
    if (!code) {
        return failed("expected a mouse code, found " + as_text(command.args[0].text));
    }
    if (!session.running()) {
        return failed("expected a running program for the tray icon, found none");
    }
    ui::Form1& form = session.program()->form1;
    if (form.on_tray) {
        form.on_tray(static_cast<int>(*code));
    }
    return passed();
}

}  // namespace

std::optional<Outcome> run_event_command(Session& session, const Command& command) {
    const std::string& name = command.name;
    if (name == "start") {
        return command.args.empty() ? session.start() : wrong_form(command, "");
    }
    if (name == "click" || name == "dblclick") {
        return click(session, command, name == "dblclick");
    }
    if (name == "mousedown") {
        return mousedown(session, command);
    }
    if (name == "focus" || name == "key") {
        return key_or_focus(session, command);
    }
    if (name == "set") {
        return set_text(session, command);
    }
    if (name == "select") {
        return select_rows(session, command);
    }
    if (name == "menu") {
        return menu(session, command);
    }
    if (name == "close" || name == "activate" || name == "resize") {
        return window_event(session, command);
    }
    if (name == "dateclick") {
        return dateclick(session, command);
    }
    if (name == "tray") {
        return tray(session, command);
    }
    return std::nullopt;
}

}  // namespace velmora::shell::scenario
