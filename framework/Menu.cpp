#include "framework/Menu.h"
#include "framework/Form.h"
#include "framework/Exceptions.h"
#include <algorithm>

namespace qv {

namespace {

template <class Visit>
MenuItem* FindItem(const MenuItem& parent, Visit matches) {
    for (const auto& item : parent.Items()) {
        if (matches(*item))
            return item.get();
        if (MenuItem* found = FindItem(*item, matches))
            return found;
    }
    return nullptr;
}

} // namespace

MainMenu::~MainMenu() {
    if (window_ && IsWindow(window_)) {
        if (auto* form = dynamic_cast<Form*>(Window::FromHandle(window_)))
            form->MenuGone(*this);
        if (GetMenu(window_) == Handle())
            ::SetMenu(window_, nullptr);
    }
    // A bar whose window went before it was destroyed with that window.
    if (handle_ && IsMenu(handle_))
        DestroyMenu(handle_);
}

void MainMenu::Build(std::span<const MenuRow> rows) {
    HMENU handle = CreateMenu();
    if (!handle)
        throw EOutOfResources("Cannot create a menu");
    handle_ = handle;
    root_.submenu_ = handle;
    std::vector<MenuItem*> path{&root_};
    UINT nextId = kFirstId;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const MenuRow& row = rows[i];
        if (row.level < 0 || row.level + 1 > static_cast<int>(path.size()))
            throw Exception(std::string("Menu item out of place: ") + row.name);
        path.resize(row.level + 1);
        MenuItem* parent = path.back();
        auto item = std::make_unique<MenuItem>();
        item->SetName(row.name);
        item->caption_ = row.caption;
        item->help_ = HelpNode{row.helpContext, &parent->help_};
        item->parent_ = parent == &root_ ? nullptr : parent;
        item->OnClick = row.onClick;
        bool opensSubmenu = i + 1 < rows.size() && rows[i + 1].level > row.level;
        if (item->IsSeparator()) {
            AppendMenuA(parent->submenu_, MF_SEPARATOR, 0, nullptr);
        } else if (opensSubmenu) {
            item->submenu_ = CreatePopupMenu();
            AppendMenuA(parent->submenu_, MF_POPUP | MF_STRING,
                        reinterpret_cast<UINT_PTR>(item->submenu_), row.caption);
        } else {
            item->id_ = nextId++;
            AppendMenuA(parent->submenu_, MF_STRING, item->id_, row.caption);
        }
        path.push_back(item.get());
        parent->items_.push_back(std::move(item));
    }
}

MenuItem* MainMenu::FindByName(const std::string& name) const {
    return FindItem(root_, [&](const MenuItem& m) { return m.Name() == name; });
}

MenuItem* MainMenu::FindById(UINT id) const {
    if (id == 0)
        return nullptr;
    return FindItem(root_, [&](const MenuItem& m) { return m.Id() == id; });
}

MenuItem* MainMenu::ItemAt(HMENU menu, UINT position) const {
    const MenuItem* parent =
        menu == handle_ ? &root_
                        : FindItem(root_, [&](const MenuItem& m) { return m.Submenu() == menu; });
    if (!parent || position >= parent->Items().size())
        return nullptr;
    return parent->Items()[position].get();
}

bool MainMenu::Dispatch(UINT id) const {
    MenuItem* item = FindById(id);
    if (!item)
        return false;
    if (item->OnClick)
        item->OnClick(*item);
    return true;
}

void MainMenu::Select(WPARAM wParam, LPARAM lParam) {
    UINT flags = HIWORD(wParam);
    HMENU menu = reinterpret_cast<HMENU>(lParam);
    if (flags == 0xFFFF && !menu) {
        highlighted_ = nullptr; // the menu closed
    } else if (flags & MF_POPUP) {
        highlighted_ = ItemAt(menu, LOWORD(wParam)); // a submenu's entry: by position
    } else {
        highlighted_ = FindById(LOWORD(wParam));
    }
}

} // namespace qv
