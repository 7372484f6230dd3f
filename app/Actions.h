#pragma once
// Every command of the main window declared once: its ids, texts, key, picture, kind, enable groups
// and where it stands. The menus, the toolbar, the accelerators and the command-state mask are all
// built from this table, so a new command is one row of kActions (with its ids in CommandIds.h and
// a handler bound to them).

#include <cstddef>
#include <wx/defs.h>

// The menus an item can stand in. A bar menu or a submenu is itself a row that opens a place.
enum class MenuPlace
{
    None, // no menu item (a tool alone)
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
    // Menu item: its id, label (a source text), the menu it stands in, the place it opens when it
    // is a menu title or a submenu, a separator line before it, its key ("Ctrl+N", "Shift+F5").
    int menuId = 0;
    const char* label = "";
    MenuPlace place = MenuPlace::None;
    MenuPlace opens = MenuPlace::None;
    bool separated = false;
    const char* key = "";
    wxItemKind kind = wxITEM_NORMAL;
    // Command-state bits (CommandBit): the item and the tool are enabled while any of these groups
    // is; 0 leaves the item outside the mask. The tool may belong to further groups of its own.
    long groups = 0;
    long toolGroups = 0;
    // Tool: its id, picture, place on the toolbar (tools stand in order of group, then order; a
    // separator between two groups), label and tooltip when they differ from the menu label.
    int toolId = 0;
    const char* picture = "";
    int toolGroup = 0;
    int toolOrder = 0;
    const char* toolLabel = nullptr;
    const char* tooltip = nullptr;
    // The state before the command state first decides: outside the mask, these stay until code changes them.
    bool startsDisabled = false;
    bool startsChecked = false;

    constexpr Action In(MenuPlace where, int id) const
    {
        Action a = *this;
        a.place = where, a.menuId = id;
        return a;
    }
    constexpr Action Opens(MenuPlace submenu) const
    {
        Action a = *this;
        a.opens = submenu;
        return a;
    }
    constexpr Action AfterSeparator() const
    {
        Action a = *this;
        a.separated = true;
        return a;
    }
    constexpr Action Key(const char* accelerator) const
    {
        Action a = *this;
        a.key = accelerator;
        return a;
    }
    constexpr Action Check() const
    {
        Action a = *this;
        a.kind = wxITEM_CHECK;
        return a;
    }
    constexpr Action Radio() const
    {
        Action a = *this;
        a.kind = wxITEM_RADIO;
        return a;
    }
    constexpr Action Groups(long bits) const
    {
        Action a = *this;
        a.groups = bits;
        return a;
    }
    constexpr Action ToolGroups(long bits) const
    {
        Action a = *this;
        a.toolGroups = bits;
        return a;
    }
    constexpr Action Tool(int id, const char* image, int group, int order) const
    {
        Action a = *this;
        a.toolId = id, a.picture = image, a.toolGroup = group, a.toolOrder = order;
        return a;
    }
    constexpr Action ToolLabel(const char* text) const
    {
        Action a = *this;
        a.toolLabel = text;
        return a;
    }
    constexpr Action Tip(const char* text) const
    {
        Action a = *this;
        a.tooltip = text;
        return a;
    }
    constexpr Action Disabled() const
    {
        Action a = *this;
        a.startsDisabled = true;
        return a;
    }
    constexpr Action Checked() const
    {
        Action a = *this;
        a.startsChecked = true;
        return a;
    }

    const char* ToolText() const { return toolLabel ? toolLabel : label; }
    const char* TipText() const { return tooltip ? tooltip : ToolText(); }
};

// A command by its label; the builder calls above give it a menu item, a tool, groups and a key.
constexpr Action Command(const char* label)
{
    Action a;
    a.label = label;
    return a;
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
