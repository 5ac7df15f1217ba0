#include "ui/controls.h"

#include "ui/screen_scale.h"

namespace velmora::ui {

int to_pixels(long twips) {
    return to_pixels(twips, kBaseDpi);
}

Control::Control(ControlKind kind, std::string name, int index)
    : m_kind(kind), m_name(std::move(name)), m_index(index) {}

std::string Control::id() const {
    if (m_index < 0) {
        return m_name;
    }
    return m_name + "(" + std::to_string(m_index) + ")";
}

void Control::set_caption(std::string_view caption) {
    if (m_caption != caption) {
        m_caption = std::string(caption);
        touch();
    }
}

void Control::set_visible(bool visible) {
    m_visible = visible;
    touch();
}

void Control::set_enabled(bool enabled) {
    m_enabled = enabled;
    touch();
}

void Control::set_geometry(const Geometry& g) {
    m_geometry = g;
    touch();
}

void Control::move(long left, long top) {
    m_geometry.left = left;
    m_geometry.top = top;
    touch();
}

void Control::set_size(long width, long height) {
    m_geometry.width = width;
    m_geometry.height = height;
    touch();
}

void Control::set_width(long width) {
    m_geometry.width = width;
    touch();
}

void Control::set_height(long height) {
    m_geometry.height = height;
    touch();
}

void Control::set_colour(Colour colour) {
    m_colour = colour;
    touch();
}

void Control::set_tip(std::string_view tip) {
    m_tip = std::string(tip);
    touch();
}

void CheckBox::set_checked(bool checked) {
    m_checked = checked;
    touch();
}

void TextBox::set_selection(long start, long length) {
    m_sel_start = start < 0 ? 0 : start;
    m_sel_length = length < 0 ? 0 : length;
    touch();
}

std::string ListBox::row(long i) const {
    if (i < 0 || i >= count()) {
        return {};
    }
    return std::string(m_rows[static_cast<std::size_t>(i)]);
}

std::string_view ListBox::row_view(long i) const {
    if (i < 0 || i >= count()) {
        return {};
    }
    return m_rows[static_cast<std::size_t>(i)];
}

void ListBox::set_row(long i, std::string_view text) {
    if (i < 0 || i >= count()) {
        return;
    }
    m_rows.assign(static_cast<std::size_t>(i), text);
    touch();
}

void ListBox::add_item(std::string_view text) {
    m_rows.push_back(text);
    m_selected.push_back(0);
    touch();
}

void ListBox::insert_item(long i, std::string_view text) {
    if (i < 0 || i > count()) {
        i = count();
    }
    m_rows.insert(static_cast<std::size_t>(i), text);
    m_selected.insert(m_selected.begin() + i, 0);
    if (m_list_index >= i) {
        ++m_list_index;
    }
    touch();
}

void ListBox::remove_item(long i) {
    if (i < 0 || i >= count()) {
        return;
    }
    m_rows.erase(static_cast<std::size_t>(i));
    m_selected.erase(m_selected.begin() + i);
    // As list boxes do: removing the current row leaves no current row.
    if (m_list_index == i) {
        m_list_index = -1;
    } else if (m_list_index > i) {
        --m_list_index;
    }
    touch();
}

void ListBox::clear() {
    m_rows.clear();
    m_selected.clear();
    m_list_index = -1;
    touch();
}

void ListBox::set_rows(text::PackedLines rows) {
    m_rows = std::move(rows);
    m_selected.assign(m_rows.size(), 0);
    m_list_index = -1;
    touch();
}

void ListBox::set_list_index(long i) {
    if (i < -1 || i >= count()) {
        i = -1;
    }
    m_list_index = i;
    if (!m_multi) {
        m_selected.assign(m_rows.size(), 0);
        if (i >= 0) {
            m_selected[static_cast<std::size_t>(i)] = 1;
        }
    }
    touch();
}

bool ListBox::selected(long i) const {
    return i >= 0 && i < count() && m_selected[static_cast<std::size_t>(i)] != 0;
}

void ListBox::set_selected(long i, bool selected) {
    if (i < 0 || i >= count()) {
        return;
    }
    if (!m_multi) {
        if (selected) {
            set_list_index(i);
        } else if (m_list_index == i) {
            m_selected[static_cast<std::size_t>(i)] = 0;
            m_list_index = -1;
            touch();
        }
        return;
    }
    m_selected[static_cast<std::size_t>(i)] = selected ? 1 : 0;
    touch();
}

std::vector<long> ListBox::selected_rows() const {
    std::vector<long> rows;
    for (long i = 0; i < count(); ++i) {
        if (m_selected[static_cast<std::size_t>(i)] != 0) {
            rows.push_back(i);
        }
    }
    return rows;
}

void ListBox::clear_selection() {
    m_selected.assign(m_rows.size(), 0);
    m_list_index = -1;
    touch();
}

void MenuItem::set_checked(bool checked) {
    m_checked = checked;
    touch();
}

bool MenuItem::reachable() const {
    for (const MenuItem* item = this; item != nullptr; item = item->parent()) {
        if (!item->enabled()) {
            return false;
        }
        if (!item->visible() && !item->popup_only()) {
            return false;
        }
    }
    return true;
}

void Calendar::set_date(const locale::CivilDate& date) {
    m_date = date;
    touch();
}

}  // namespace velmora::ui
