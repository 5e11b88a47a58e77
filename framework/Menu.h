#pragma once
#include "framework/Component.h"
#include "framework/core/HelpChain.h"
#include <windows.h>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace qv {

// One entry of a menu: a command, a submenu or a separator ("-").
class MenuItem : public Component {
public:
    const std::string& Caption() const { return caption_; }
    int HelpContext() const { return help_.helpContext; }
    // Its own help context or the nearest enclosing item's (0: none).
    int NearestHelpContext() const { return qv::NearestHelpContext(&help_); }
    UINT Id() const { return id_; }
    HMENU Submenu() const { return submenu_; }
    MenuItem* Parent() const { return parent_; }
    const std::vector<std::unique_ptr<MenuItem>>& Items() const { return items_; }
    bool IsSeparator() const { return caption_ == "-"; }

    std::function<void(Component& sender)> OnClick;

private:
    friend class MainMenu;
    std::string caption_;
    HelpNode help_{0, nullptr};
    UINT id_ = 0;
    HMENU submenu_ = nullptr;
    MenuItem* parent_ = nullptr;
    std::vector<std::unique_ptr<MenuItem>> items_;
};

// One row of a menu table. Level 0 is the menu bar, 1 a bar entry's item, 2 a submenu's item;
// an item followed by deeper rows opens a submenu. "&" marks the access key, "&&" shows a
// single "&", the caption "-" is a separator line.
struct MenuRow {
    const char* name;
    int level;
    const char* caption;
    int helpContext;
    std::function<void(Component& sender)> onClick;
};

// A window's menu bar built from a table: its items, their command ids (from kFirstId) and
// handles.
class MainMenu {
public:
    static constexpr UINT kFirstId = 100;

    MainMenu() = default;
    // Takes the bar off its window first, so the window never keeps a destroyed menu.
    ~MainMenu();
    MainMenu(const MainMenu&) = delete;
    MainMenu& operator=(const MainMenu&) = delete;

    void Build(std::span<const MenuRow> rows);
    HMENU Handle() const { return handle_; }
    const std::vector<std::unique_ptr<MenuItem>>& Items() const { return root_.items_; }

    MenuItem* FindByName(const std::string& name) const;
    MenuItem* FindById(UINT id) const;
    // The item shown at a position of a menu handle (the menu itself or a submenu).
    MenuItem* ItemAt(HMENU menu, UINT position) const;
    // Runs the item's OnClick for a command id; false when the id is not a command here.
    bool Dispatch(UINT id) const;

    // The window the bar is shown on (Form::SetMenu).
    void AttachTo(HWND window) { window_ = window; }
    // Remembers the item a WM_MENUSELECT highlights (nullptr when the menu closes).
    void Select(WPARAM wParam, LPARAM lParam);
    MenuItem* Highlighted() const { return highlighted_; }

private:
    MenuItem root_;
    HMENU handle_ = nullptr;
    MenuItem* highlighted_ = nullptr;
    HWND window_ = nullptr;
};

} // namespace qv
