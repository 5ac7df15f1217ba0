#pragma once
// A window of the headless model: caption, geometry in twips, visibility, its named controls
// and its own events (load, activate, close, resize). Forms derive from it and register every
// control, so that the scenario runner and front ends find "Text(12)" or "pre(17)" by name.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/controls.h"

namespace velmora::ui {

class Window;

// What a desktop does for windows: an ordinary show activates the window; a popup menu opens;
// a control that the program gives the input focus gets it (and its on_gotfocus runs).
class WindowHost {
public:
    virtual ~WindowHost() = default;
    virtual void window_shown(Window& window) = 0;
    virtual void popup_menu(Window& window, MenuItem& menu) = 0;
    virtual void focus(Window& window, Control& control) = 0;
};

// A control array with the program's own indexes (`Text(0)` to `Text(64)`).
template <typename T>
class ControlArray {
public:
    T& operator[](int i) { return *m_items.at(static_cast<std::size_t>(i)); }
    const T& operator[](int i) const { return *m_items.at(static_cast<std::size_t>(i)); }
    int size() const { return static_cast<int>(m_items.size()); }
    T& add(std::string name) {
        m_items.push_back(std::make_unique<T>(std::move(name), size()));
        return *m_items.back();
    }

private:
    std::vector<std::unique_ptr<T>> m_items;
};

class Window {
public:
    explicit Window(std::string name);
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const std::string& name() const { return m_name; }

    const std::string& caption() const { return m_caption; }
    void set_caption(std::string_view caption);

    bool visible() const { return m_visible; }
    // The ordinary show: a hidden window that is shown becomes the active window.
    void show();
    void hide();
    // Shown without activation (the topmost placement does this).
    void show_without_activation();

    const Geometry& geometry() const { return m_geometry; }
    long left() const { return m_geometry.left; }
    long top() const { return m_geometry.top; }
    long width() const { return m_geometry.width; }
    long height() const { return m_geometry.height; }
    void move(long left, long top);
    void set_left(long left);
    void set_top(long top);
    // Changing the size fires on_resize, as a desktop does.
    void set_size(long width, long height);
    void set_width(long width);
    void set_height(long height);

    // "List1", "Text(12)"; null when the window has no such control.
    Control* find(std::string_view id) const;
    const std::vector<Control*>& controls() const { return m_controls; }

    void popup_menu(MenuItem& menu);
    // The program moves the input focus to one of this window's controls.
    void set_focus(Control& control);
    void set_host(WindowHost* host) { m_host = host; }

    std::uint64_t revision() const { return m_revision; }

    std::function<void()> on_load;
    std::function<void()> on_activate;
    std::function<void()> on_query_unload;
    std::function<void()> on_resize;

protected:
    // Registers a control so that it can be found by name; returns it for chaining.
    template <typename T>
    T& add(T& control) {
        m_controls.push_back(&control);
        return control;
    }
    template <typename T>
    void add_all(ControlArray<T>& array) {
        for (int i = 0; i < array.size(); ++i) {
            m_controls.push_back(&array[i]);
        }
    }

private:
    std::string m_name;
    std::string m_caption;
    bool m_visible = false;
    Geometry m_geometry;
    std::vector<Control*> m_controls;
    WindowHost* m_host = nullptr;
    std::uint64_t m_revision = 0;
};

}  // namespace velmora::ui
