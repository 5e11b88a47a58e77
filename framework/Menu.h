#pragma once
#include "framework/Component.h"
#include "framework/MouseEvents.h"
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
    friend class TableMenu;
    std::string caption_;
    HelpNode help_{0, nullptr};
    UINT id_ = 0;
    HMENU submenu_ = nullptr;
    MenuItem* parent_ = nullptr;
    std::vector<std::unique_ptr<MenuItem>> items_;
};

// One row of a menu table. Level 0 is the menu bar (or a popup menu's own items), 1 a bar
// entry's item, 2 a submenu's item; an item followed by deeper rows opens a submenu. "&" marks the
// access key, "&&" shows a single "&", the caption "-" is a separator line.
struct MenuRow {
    const char* name;
    int level;
    const char* caption;
    int helpContext;
    std::function<void(Component& sender)> onClick;
};

// A menu built from a table: its items, their command ids (from kFirstId) and handles.
class TableMenu {
public:
    static constexpr UINT kFirstId = 100;

    virtual ~TableMenu();
    TableMenu(const TableMenu&) = delete;
    TableMenu& operator=(const TableMenu&) = delete;

    HMENU Handle() const { return handle_; }
    const std::vector<std::unique_ptr<MenuItem>>& Items() const { return root_.items_; }

    MenuItem* FindByName(const std::string& name) const;
    MenuItem* FindById(UINT id) const;
    // The item shown at a position of a menu handle (the menu itself or a submenu).
    MenuItem* ItemAt(HMENU menu, UINT position) const;
    // Runs the item's OnClick for a command id; false when the id is not a command here.
    bool Dispatch(UINT id) const;

protected:
    TableMenu() = default;
    // Fills a new, empty menu handle (a bar or a popup) from the table; the menu owns it.
    void BuildInto(HMENU handle, std::span<const MenuRow> rows);

private:
    MenuItem root_;
    HMENU handle_ = nullptr;
};

// A window's menu bar, built from a table.
class MainMenu : public TableMenu {
public:
    MainMenu() = default;
    // Takes the bar off its window first, so the window never keeps a destroyed menu.
    ~MainMenu();
    void Build(std::span<const MenuRow> rows);
    // The window the bar is shown on (Form::SetMenu).
    void AttachTo(HWND window) { window_ = window; }
    // Remembers the item a WM_MENUSELECT highlights (nullptr when the menu closes).
    void Select(WPARAM wParam, LPARAM lParam);
    MenuItem* Highlighted() const { return highlighted_; }

private:
    MenuItem* highlighted_ = nullptr;
    HWND window_ = nullptr;
};

// A shortcut menu, built from a table whose level 0 rows are its own items. A graphic control
// linked to it shows it on a right click (while AutoPopup is set); Popup shows it anywhere.
// The chosen item's OnClick runs once the menu has closed.
class PopupMenu : public Component, public TableMenu {
public:
    PopupMenu();
    // Controls linked to the menu lose the link.
    ~PopupMenu() override;

    void Build(std::span<const MenuRow> rows);
    // Runs OnPopup, then shows the menu with its top-left corner at a screen point and waits
    // for the choice (modal); runs the chosen item's OnClick.
    void Popup(int screenX, int screenY);

    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool autoPopup) { autoPopup_ = autoPopup; }
    // The control the menu was last shown for by a right click; null until then and once that
    // control is gone. Popup alone leaves it as it is.
    Component* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(Component* component) { popupComponent_ = component; }
    // Called by a control that goes away: no menu keeps it as its popup component.
    static void ComponentGone(const Component* component);

    NotifyEvent OnPopup;

private:
    HWND OwnerWindow();

    bool autoPopup_ = true;
    Component* popupComponent_ = nullptr;
    HWND ownWindow_ = nullptr; // owner of last resort, when there is no application window
};

} // namespace qv
