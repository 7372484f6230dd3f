#pragma once
// Every command of the main window declared once: its ids, texts, key, picture, kind, enable groups
// and where it stands. The menus, the toolbar, the accelerators and the command-state mask are all
// built from this table, so a new command is one row of it (with its ids in CommandIds.h and a
// handler bound to them).

#include <cstddef>
#include <wx/defs.h>

// The menus an item can stand in. A menu of the bar or a submenu is itself a row that opens one.
enum class MenuPlace
{
    None, // no menu item: a tool alone
    Bar,  // the menu bar: a row standing here is a menu title
    File,
    Recent, // filled from the recent-projects list, not from rows
    Edit,
    View,
    Zoom,
    Tamek,
    Mode,
    Help,
};

struct Action
{
    // The menu item: id, label (a source text, translated when shown), the menu it stands in and
    // the menu it opens (a title of the bar or a submenu), a separator line before it, its key.
    int menuId = 0;
    const char* label = "";
    MenuPlace place = MenuPlace::None;
    MenuPlace opens = MenuPlace::None;
    bool separated = false;
    const char* key = "";
    wxItemKind kind = wxITEM_NORMAL;
    // Command-state bits: the item and the tool are enabled while any of their groups is; 0 leaves
    // them outside the mask. The tool may belong to further groups of its own.
    long groups = 0;
    long toolGroups = 0;
    // The item is disabled while any of these groups is enabled, whatever its own groups say.
    long unlessGroups = 0;
    // The tool: id, picture (under Img/Icons/), place on the toolbar (tools stand in order of
    // group, then of order, with a separator between groups), and its label and tooltip where they
    // differ from the menu label.
    int toolId = 0;
    const char* picture = "";
    int toolGroup = 0;
    int toolOrder = 0;
    const char* toolLabel = nullptr;
    const char* tooltip = nullptr;
    // Outside the mask an item keeps this state until code changes it.
    bool startsDisabled = false;
    bool startsChecked = false;

    constexpr Action Opens(MenuPlace submenu) const { return Set(&Action::opens, submenu); }
    constexpr Action Separated() const { return Set(&Action::separated, true); }
    constexpr Action Key(const char* accelerator) const { return Set(&Action::key, accelerator); }
    constexpr Action Check() const { return Set(&Action::kind, wxITEM_CHECK); }
    constexpr Action Radio() const { return Set(&Action::kind, wxITEM_RADIO); }
    constexpr Action Groups(long bits) const { return Set(&Action::groups, bits); }
    constexpr Action ToolGroups(long bits) const { return Set(&Action::toolGroups, bits); }
    constexpr Action Unless(long bits) const { return Set(&Action::unlessGroups, bits); }
    constexpr Action Tool(int id, const char* file, int group, int order) const
    {
        return Set(&Action::toolId, id)
            .Set(&Action::picture, file)
            .Set(&Action::toolGroup, group)
            .Set(&Action::toolOrder, order);
    }
    constexpr Action ToolText(const char* text, const char* tip) const
    {
        return Set(&Action::toolLabel, text).Set(&Action::tooltip, tip);
    }
    constexpr Action Disabled() const { return Set(&Action::startsDisabled, true); }
    constexpr Action Checked() const { return Set(&Action::startsChecked, true); }

    const char* ToolLabel() const { return toolLabel ? toolLabel : label; }
    const char* Tooltip() const { return tooltip ? tooltip : ToolLabel(); }

    template <typename T, typename V> constexpr Action Set(T Action::*field, V value) const
    {
        Action copy = *this;
        copy.*field = value;
        return copy;
    }
};

// A menu item (id 0: a command without one, such as a tool alone).
constexpr Action Item(MenuPlace place, int id, const char* label)
{
    return Action().Set(&Action::place, place).Set(&Action::menuId, id).Set(&Action::label, label);
}
// A menu of the menu bar.
constexpr Action Menu(MenuPlace opens, const char* title)
{
    return Item(MenuPlace::Bar, 0, title).Opens(opens);
}

// The rows of the table, in menu order.
struct ActionList
{
    const Action* first;
    size_t count;
    const Action* begin() const { return first; }
    const Action* end() const { return first + count; }
};
ActionList Actions();
