#include "win32/menus.h"

#include <algorithm>
#include <cassert>
#include <utility>

#include "win32/text.h"

namespace tintora::win32 {
namespace {

// Ids start above the ones the system and dialogs use; each window has its own thousand.
constexpr UINT firstCommandId = 1000;
constexpr UINT commandsPerWindow = 1000;

std::wstring itemText(const MenuDesign& d, const std::wstring& caption)
{
    if (!d.shortcut) return caption;
    return caption + L"\t" + widen(shortcutText(d.shortcut));
}

}  // namespace

UINT menuCommandId(MenuRef m)
{
    return firstCommandId + static_cast<UINT>(m.window) * commandsPerWindow + static_cast<UINT>(m.index);
}

std::optional<MenuRef> menuFromCommandId(UINT id)
{
    if (id < firstCommandId) return std::nullopt;
    const UINT window = (id - firstCommandId) / commandsPerWindow;
    const int index = static_cast<int>((id - firstCommandId) % commandsPerWindow);
    if (window > static_cast<UINT>(WindowId::console)) return std::nullopt;
    const MenuRef m{static_cast<WindowId>(window), index};
    const auto rows = menuDesign(m.window);
    if (std::none_of(rows.begin(), rows.end(), [&](const MenuDesign& d) { return d.item == index; }))
        return std::nullopt;
    return m;
}

MenuTree::MenuTree(WindowId window) : window_(window), bar_(CreateMenu())
{
    int parent = -1;
    for (const MenuDesign& d : menuDesign(window)) {
        Row r{&d, d.level == 0 ? -1 : parent, nullptr, widen(d.caption), d.initiallyVisible, false, !d.greyed};
        if (d.level == 0) {
            parent = static_cast<int>(rows_.size());
            r.items.reset(CreatePopupMenu());
        }
        rows_.push_back(std::move(r));
    }
    for (Row& r : rows_)
        if (r.visible) insert(r);
    rebuildAccelerators();
}

MenuTree::~MenuTree()
{
    // The menus opened by bar items are owned by their rows; detach them so that destroying the bar
    // does not destroy them a second time.
    while (GetMenuItemCount(bar_.get()) > 0) RemoveMenu(bar_.get(), 0, MF_BYPOSITION);
}

HMENU MenuTree::itemsOf(int item) const { return row(item).items.get(); }

const MenuTree::Row& MenuTree::row(int item) const
{
    const auto found = std::find_if(rows_.begin(), rows_.end(), [&](const Row& r) { return r.design->item == item; });
    assert(found != rows_.end());
    return *found;
}

MenuTree::Row& MenuTree::row(int item) { return const_cast<Row&>(std::as_const(*this).row(item)); }

HMENU MenuTree::menuHolding(const Row& r) const
{
    return r.parent < 0 ? bar_.get() : rows_[static_cast<std::size_t>(r.parent)].items.get();
}

// Where the row's entry is (or would be) among the shown entries of its menu.
UINT MenuTree::positionOf(const Row& r) const
{
    UINT position = 0;
    for (const Row& other : rows_) {
        if (&other == &r) break;
        if (other.parent == r.parent && other.visible) ++position;
    }
    return position;
}

void MenuTree::insert(Row& r)
{
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE;
    info.fState = (r.enabled ? 0u : MFS_GRAYED) | (r.checked ? MFS_CHECKED : 0u);
    std::wstring text = itemText(*r.design, r.caption);
    if (r.design->item == menuSeparator) {
        info.fType = MFT_SEPARATOR;
    } else {
        info.fMask |= MIIM_ID | MIIM_STRING;
        info.fType = MFT_STRING;
        info.wID = menuCommandId({window_, r.design->item});
        info.dwTypeData = text.data();
    }
    if (r.items) {
        info.fMask |= MIIM_SUBMENU;
        info.hSubMenu = r.items.get();
    }
    InsertMenuItemW(menuHolding(r), positionOf(r), TRUE, &info);
}

void MenuTree::setVisible(int item, bool visible)
{
    Row& r = row(item);
    if (r.visible == visible) return;
    if (visible) {
        r.visible = true;
        insert(r);
    } else {
        r.checked = isChecked(item);
        RemoveMenu(menuHolding(r), positionOf(r), MF_BYPOSITION);
        r.visible = false;
    }
    rebuildAccelerators();
}

void MenuTree::setChecked(int item, bool checked)
{
    Row& r = row(item);
    r.checked = checked;
    if (r.visible) CheckMenuItem(menuHolding(r), positionOf(r), MF_BYPOSITION | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool MenuTree::isChecked(int item) const
{
    const Row& r = row(item);
    if (!r.visible) return r.checked;
    const UINT state = GetMenuState(menuHolding(r), positionOf(r), MF_BYPOSITION);
    return state != static_cast<UINT>(-1) && (state & MF_CHECKED) != 0;
}

void MenuTree::setCaption(int item, std::string_view caption)
{
    Row& r = row(item);
    r.caption = widen(caption);
    if (!r.visible) return;
    std::wstring text = itemText(*r.design, r.caption);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = text.data();
    SetMenuItemInfoW(menuHolding(r), positionOf(r), TRUE, &info);
}

void MenuTree::setEnabled(int item, bool enabled)
{
    Row& r = row(item);
    r.enabled = enabled;
    if (r.visible) EnableMenuItem(menuHolding(r), positionOf(r), MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
    rebuildAccelerators();
}

// A greyed item's shortcut is left out, so that it cannot be chosen by its key either.
void MenuTree::rebuildAccelerators()
{
    std::vector<ACCEL> table;
    for (const Row& r : rows_) {
        const Shortcut s = r.design->shortcut;
        const bool reachable = r.visible && r.enabled && (r.parent < 0 || rows_[static_cast<std::size_t>(r.parent)].visible);
        if (!s || !reachable) continue;
        const auto flags = static_cast<BYTE>(FVIRTKEY | (s.ctrl ? FCONTROL : 0) | (s.shift ? FSHIFT : 0));
        table.push_back(
            {flags, static_cast<WORD>(s.virtualKey), static_cast<WORD>(menuCommandId({window_, r.design->item}))});
    }
    accelerators_.reset(table.empty() ? nullptr
                                      : CreateAcceleratorTableW(table.data(), static_cast<int>(table.size())));
}

}  // namespace tintora::win32
