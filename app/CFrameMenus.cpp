// The main window's menu bar, built from the action table, and the recent-projects submenu.
#include "app/CFrame.h"

#include "app/Actions.h"
#include "app/CommandIds.h"
#include "base/Translation.h"
#include "calibration/Settings.h"

#include <vector>
#include <wx/accel.h>
#include <wx/menu.h>

namespace {
// A path shown in a menu: "&" would otherwise mark a mnemonic and vanish.
wxString EscapeMnemonics(wxString text)
{
    text.Replace("&", "&&");
    return text;
}

wxString MenuText(const Action& action)
{
    wxString text = _(action.label);
    if (*action.key)
        text << "\t" << action.key;
    return text;
}
} // namespace

void CFrame::BuildMenus()
{
    auto* menuBar = new wxMenuBar;
    for (const Action& action : Actions())
        if (action.place == MenuPlace::Bar)
            menuBar->Append(BuildMenu(action.opens), _(action.label));
    SetMenuBar(menuBar);
    BuildAccelerators();

    CalibrationRecord calibration;
    m_recent.Assign(ReadSettings(calibration));
    SetCalibration(calibration);
    RebuildRecentMenu();
}

wxMenu* CFrame::BuildMenu(MenuPlace place)
{
    auto* menu = new wxMenu;
    for (const Action& action : Actions()) {
        if (action.place != place)
            continue;
        if (action.separated)
            menu->AppendSeparator();
        wxMenuItem* item;
        if (action.opens != MenuPlace::None) {
            wxMenu* submenu = action.opens == MenuPlace::Recent ? (m_recentMenu = new wxMenu) : BuildMenu(action.opens);
            item = menu->AppendSubMenu(submenu, _(action.label));
            item->SetId(action.menuId);
        } else {
            item = menu->Append(action.menuId, MenuText(action), wxEmptyString, action.kind);
        }
        if (action.startsChecked)
            item->Check(true);
        if (action.startsDisabled)
            menu->Enable(action.menuId, false);
    }
    return menu;
}

void CFrame::BuildAccelerators()
{
    // A key of a command that has no item in the menu bar is a key of the window.
    std::vector<wxAcceleratorEntry> keys;
    for (const Action& action : Actions()) {
        const int id = action.menuId ? action.menuId : action.toolId;
        if (!*action.key || !id || (action.menuId && GetMenuBar()->FindItem(action.menuId)))
            continue;
        wxAcceleratorEntry key;
        if (key.FromString(action.key)) {
            key.Set(key.GetFlags(), key.GetKeyCode(), id);
            keys.push_back(key);
        }
    }
    if (!keys.empty())
        SetAcceleratorTable(wxAcceleratorTable(static_cast<int>(keys.size()), keys.data()));
}

void CFrame::RebuildRecentMenu()
{
    while (m_recentMenu->GetMenuItemCount() > 0)
        m_recentMenu->Destroy(m_recentMenu->FindItemByPosition(0));
    for (size_t i = 0; i < m_recent.Count(); ++i)
        m_recentMenu->AppendCheckItem(ID_MENU_RECENT_FIRST + static_cast<int>(i),
                                      wxString::Format("%d: %s", static_cast<int>(i), EscapeMnemonics(m_recent.At(i))));
    wxMenuBar* menuBar = GetMenuBar();
    menuBar->Enable(ID_MENU_RECENT, !m_recent.IsEmpty());
    menuBar->Enable(ID_MENU_EMPTY_RECENT, !m_recent.IsEmpty());
}
