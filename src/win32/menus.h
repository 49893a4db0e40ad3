#pragma once
// The menu bar of one window, built from the design table: items that can be hidden and shown again
// at their place, check marks, captions, and the accelerators of the items the user can reach.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "design/design.h"

namespace tintora::win32 {

// WM_COMMAND ids of menu items carry the window and the item's index in its Menu enum.
UINT menuCommandId(MenuRef m);
std::optional<MenuRef> menuFromCommandId(UINT id);

namespace detail {
struct MenuDeleter {
    void operator()(HMENU h) const { DestroyMenu(h); }
};
struct AcceleratorDeleter {
    void operator()(HACCEL h) const { DestroyAcceleratorTable(h); }
};
}  // namespace detail

using OwnedMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, detail::MenuDeleter>;
using OwnedAccelerators = std::unique_ptr<std::remove_pointer_t<HACCEL>, detail::AcceleratorDeleter>;

class MenuTree {
public:
    explicit MenuTree(WindowId window);
    ~MenuTree();
    MenuTree(const MenuTree&) = delete;
    MenuTree& operator=(const MenuTree&) = delete;

    HMENU bar() const { return bar_.get(); }
    // The items under a menu bar item, whether the bar shows that item or not.
    HMENU itemsOf(int item) const;

    void setVisible(int item, bool visible);
    void setChecked(int item, bool checked);
    bool isChecked(int item) const;
    void setCaption(int item, std::string_view caption);
    void setEnabled(int item, bool enabled);

    // Shortcuts of the shown items under shown menu bar items; null when there are none.
    HACCEL accelerators() const { return accelerators_.get(); }

private:
    struct Row {
        const MenuDesign* design;
        int parent;       // row of the menu bar item above; -1 for menu bar items
        OwnedMenu items;  // menu bar items: the menu they open
        std::wstring caption;
        bool visible;
        bool checked = false;
        bool enabled;
    };

    const Row& row(int item) const;
    Row& row(int item);
    HMENU menuHolding(const Row& r) const;
    UINT positionOf(const Row& r) const;
    void insert(Row& r);
    void rebuildAccelerators();

    WindowId window_;
    OwnedMenu bar_;
    std::vector<Row> rows_;
    OwnedAccelerators accelerators_;
};

}  // namespace tintora::win32
