#pragma once
// The headless widget model every window is made of: the properties the program reads and
// writes (caption, text, rows, selection, visibility, colour, position in twips) and the user
// events a front end or the scenario runner fires. Controls hold no behaviour of their own:
// a window's handlers are plain callbacks set by the subsystem that owns the rule.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/date.h"
#include "text/packed_lines.h"

namespace velmora::ui {

enum class Colour { Normal, Red, Grey, Black };
enum class MouseButton { Left = 1, Right = 2, Middle = 4 };
enum class ControlKind { Button, Label, CheckBox, Frame, TextBox, ListBox, MenuItem, Calendar };

struct Geometry {
    long left = 0;
    long top = 0;
    long width = 0;
    long height = 0;
    friend bool operator==(const Geometry&, const Geometry&) = default;
};

// The program's own pixels (those of a 96 DPI screen): twips divided by 15, rounded to the
// nearest whole number. screen_scale.h gives the pixels of other densities.
int to_pixels(long twips);

class Control {
public:
    Control(ControlKind kind, std::string name, int index);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind kind() const { return m_kind; }
    const std::string& name() const { return m_name; }
    int index() const { return m_index; }  // -1 when the control is not part of an array
    std::string id() const;                // "List1" or "Text(12)"

    // Caption of buttons, labels, check boxes, frames and menu items; the text of text boxes.
    const std::string& caption() const { return m_caption; }
    void set_caption(std::string_view caption);

    bool visible() const { return m_visible; }
    void set_visible(bool visible);
    bool enabled() const { return m_enabled; }
    void set_enabled(bool enabled);

    const Geometry& geometry() const { return m_geometry; }
    void set_geometry(const Geometry& g);
    void move(long left, long top);
    void set_size(long width, long height);
    void set_width(long width);
    void set_height(long height);

    Colour colour() const { return m_colour; }
    void set_colour(Colour colour);

    // Tool tip shown by front ends.
    const std::string& tip() const { return m_tip; }
    void set_tip(std::string_view tip);

    // The container (a frame) the control lies in, or null for the window itself.
    Control* container() const { return m_container; }
    void set_container(Control* frame) { m_container = frame; }

    // Counts every change, so that a front end redraws only what changed.
    std::uint64_t revision() const { return m_revision; }

    // User events; a subsystem sets the ones its rules handle.
    std::function<void()> on_click;
    std::function<void()> on_dblclick;
    std::function<void(MouseButton)> on_mousedown;
    std::function<void(int key_code)> on_keydown;
    std::function<void()> on_gotfocus;
    std::function<void()> on_change;

protected:
    void touch() { ++m_revision; }

private:
    ControlKind m_kind;
    std::string m_name;
    int m_index;
    std::string m_caption;
    std::string m_tip;
    bool m_visible = true;
    bool m_enabled = true;
    Geometry m_geometry;
    Colour m_colour = Colour::Normal;
    Control* m_container = nullptr;
    std::uint64_t m_revision = 0;
};

class Button : public Control {
public:
    Button(std::string name, int index = -1) : Control(ControlKind::Button, std::move(name), index) {}
};

class Label : public Control {
public:
    Label(std::string name, int index = -1) : Control(ControlKind::Label, std::move(name), index) {}
};

class Frame : public Control {
public:
    Frame(std::string name, int index = -1) : Control(ControlKind::Frame, std::move(name), index) {}
};

class CheckBox : public Control {
public:
    CheckBox(std::string name, int index = -1) : Control(ControlKind::CheckBox, std::move(name), index) {}
    bool checked() const { return m_checked; }
    void set_checked(bool checked);

private:
    bool m_checked = false;
};

class TextBox : public Control {
public:
    TextBox(std::string name, int index = -1) : Control(ControlKind::TextBox, std::move(name), index) {}
    const std::string& text() const { return caption(); }
    void set_text(std::string_view text) { set_caption(text); }
    bool multiline() const { return m_multiline; }
    void set_multiline(bool multiline) { m_multiline = multiline; }
    // Selection in characters.
    long sel_start() const { return m_sel_start; }
    long sel_length() const { return m_sel_length; }
    void set_selection(long start, long length);

private:
    bool m_multiline = false;
    long m_sel_start = 0;
    long m_sel_length = 0;
};

class ListBox : public Control {
public:
    ListBox(std::string name, int index = -1) : Control(ControlKind::ListBox, std::move(name), index) {}

    bool multi_select() const { return m_multi; }
    void set_multi_select(bool multi) { m_multi = multi; }

    long count() const { return static_cast<long>(m_rows.size()); }
    const text::PackedLines& rows() const { return m_rows; }
    // A row beyond the list reads as the empty text. The view lasts until the list next changes.
    std::string row(long i) const;
    std::string_view row_view(long i) const;
    void set_row(long i, std::string_view text);
    void add_item(std::string_view text);
    void insert_item(long i, std::string_view text);
    void remove_item(long i);
    void clear();
    void set_rows(text::PackedLines rows);

    // The current row, -1 when none. In a single-selection list the current row is the selected one.
    long list_index() const { return m_list_index; }
    void set_list_index(long i);
    bool selected(long i) const;
    void set_selected(long i, bool selected);
    std::vector<long> selected_rows() const;
    void clear_selection();

private:
    text::PackedLines m_rows;
    std::vector<char> m_selected;
    long m_list_index = -1;
    bool m_multi = false;
};

class MenuItem : public Control {
public:
    MenuItem(std::string name, int index = -1) : Control(ControlKind::MenuItem, std::move(name), index) {}
    bool checked() const { return m_checked; }
    void set_checked(bool checked);
    // The menu this item opens from; null for an item of the menu bar.
    MenuItem* parent() const { return m_parent; }
    void set_parent(MenuItem* parent) { m_parent = parent; }
    // A menu that only ever opens as a popup (never from the menu bar).
    bool popup_only() const { return m_popup_only; }
    void set_popup_only(bool popup) { m_popup_only = popup; }
    // Whether a user could choose the item now: it and every menu above it shown and enabled.
    bool reachable() const;

private:
    bool m_checked = false;
    MenuItem* m_parent = nullptr;
    bool m_popup_only = false;
};

class Calendar : public Control {
public:
    Calendar(std::string name, int index = -1) : Control(ControlKind::Calendar, std::move(name), index) {}
    const locale::CivilDate& date() const { return m_date; }
    void set_date(const locale::CivilDate& date);
    std::function<void()> on_dateclick;

private:
    locale::CivilDate m_date{2000, 1, 1};
};

}  // namespace velmora::ui
