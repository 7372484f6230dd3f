// The main window's menu bar.
#include "app/CFrame.h"

#include "app/CommandIds.h"
#include "app/WebSite.h"
#include "calibration/Settings.h"

#include <wx/menu.h>

namespace {
wxString WithKey(const wxString& label, const char* key)
{
    return label + "\t" + key;
}

// A path shown in a menu: "&" would otherwise mark a mnemonic and vanish.
wxString EscapeMnemonics(wxString text)
{
    text.Replace("&", "&&");
    return text;
}
} // namespace

void CFrame::BuildMenus()
{
    auto* menuBar = new wxMenuBar;
    menuBar->Append(BuildFileMenu(), _("Bestand"));
    menuBar->Append(BuildEditMenu(), _("Edit"));
    menuBar->Append(BuildViewMenu(), _("Beeldscherm"));
    menuBar->Append(BuildTamekMenu(), _("Tamek"));
    menuBar->Append(BuildHelpMenu(), _("Help"));
    SetMenuBar(menuBar);

    CalibrationRecord calibration;
    m_recent.Assign(ReadSettings(calibration));
    SetCalibration(calibration);
    RebuildRecentMenu();
}

wxMenu* CFrame::BuildFileMenu()
{
    auto* menu = new wxMenu;
    menu->Append(ID_MENU_NEW, WithKey(_("Nieuw"), "Ctrl+N"));
    menu->Append(ID_MENU_OPEN, WithKey(_("Open"), "Ctrl+O"));
    menu->AppendSeparator();
    menu->Append(ID_MENU_SAVE, WithKey(_("Opslaan project"), "Ctrl+S"));
    menu->Append(ID_MENU_SAVE_AS, _("Opslaan project als..."));
    menu->AppendSeparator();
    menu->Append(ID_MENU_PRINT_PREVIEW, _("Afdrukvoorbeeld"));
    menu->Append(ID_MENU_PRINT, WithKey(_("Afdrukken"), "Ctrl+P"));
    menu->AppendSeparator();
    m_recentMenu = new wxMenu;
    menu->AppendSubMenu(m_recentMenu, _("Recente projecten"))->SetId(ID_MENU_RECENT);
    menu->Append(ID_MENU_EMPTY_RECENT, _("Lege projectenlijst"));
    menu->AppendSeparator();
    menu->Append(ID_MENU_EXIT, WithKey(_("Exit"), "Ctrl+Q"));
    return menu;
}

wxMenu* CFrame::BuildEditMenu()
{
    auto* menu = new wxMenu;
    menu->Append(ID_MENU_UNDO, WithKey(_("Ongedaan maken"), "Ctrl+Z"));
    menu->Append(ID_MENU_REDO, WithKey(_("Opnieuw"), "Ctrl+Y"));
    menu->AppendSeparator();
    menu->Append(ID_MENU_SELECT, _("Selecteren"));
    menu->AppendSeparator();
    menu->Append(ID_MENU_DELETE, _("Verwijderen DEL"));
    menu->Append(ID_MENU_DELETE_ALL, _("Verwijder alles"));
    // Selecting and deleting are done on the canvas; these three items are never enabled.
    for (int id : {ID_MENU_UNDO, ID_MENU_REDO, ID_MENU_SELECT, ID_MENU_DELETE, ID_MENU_DELETE_ALL})
        menu->Enable(id, false);
    return menu;
}

wxMenu* CFrame::BuildViewMenu()
{
    auto* zoom = new wxMenu;
    zoom->Append(ID_MENU_ZOOM_IN, WithKey(_("Zoom in"), "Ctrl+UP"));
    zoom->Append(ID_MENU_ZOOM_OUT, WithKey(_("Zoom uit"), "Ctrl+DOWN"));
    zoom->Append(ID_MENU_ZOOM_RESET, _("Beginwaarden zoom"));
    zoom->Enable(ID_MENU_ZOOM_RESET, false);

    auto* menu = new wxMenu;
    menu->AppendSubMenu(zoom, _("Zoom"))->SetId(ID_MENU_ZOOM);
    menu->Append(ID_MENU_MOVE, _("Beweeg"));
    menu->AppendSeparator();
    menu->AppendCheckItem(ID_MENU_SHOW_PALETTE, _("Gereedschappen"))->Check(true);
    menu->AppendSeparator();
    menu->AppendCheckItem(ID_MENU_SHOW_CONSOLE, _("Scherm"))->Check(true);
    return menu;
}

wxMenu* CFrame::BuildTamekMenu()
{
    auto* mode = new wxMenu;
    mode->AppendRadioItem(ID_MENU_MODE_VIRTUAL, _("Virtuele mode"));
    mode->AppendRadioItem(ID_MENU_MODE_MANUAL, _("Manuele mode"));
    mode->AppendRadioItem(ID_MENU_MODE_STANDALONE, _("Standalone mode"));

    auto* menu = new wxMenu;
    menu->Append(ID_MENU_CONFIGURATION, _("Configuratie"));
    menu->Append(ID_MENU_STOP_ACTUATORS, WithKey(_("Stop servo / motor"), "F8"));
    menu->AppendSeparator();
    menu->AppendSubMenu(mode, _("Mode"))->SetId(ID_MENU_MODE);
    menu->AppendSeparator();
    menu->Append(ID_MENU_START, WithKey(_("Start / ga door"), "F5"));
    menu->Append(ID_MENU_PAUSE, WithKey(_("Onderbreken"), "Ctrl+Alt+Esc"));
    menu->Append(ID_MENU_STOP, WithKey(_("Stop"), "Shift+F5"));
    menu->Append(ID_MENU_STEP, WithKey(_("Stap voor stap"), "F10"));
    menu->AppendSeparator();
    menu->Append(ID_MENU_UPLOAD, WithKey(_("Upload programma naar Tamek."), "F12"));

    // Only the virtual mode can be chosen until the robot is found and a program is open.
    for (int id : {ID_MENU_CONFIGURATION, ID_MENU_STOP_ACTUATORS, ID_MENU_MODE_MANUAL, ID_MENU_MODE_STANDALONE,
                   ID_MENU_START, ID_MENU_PAUSE, ID_MENU_STOP, ID_MENU_STEP, ID_MENU_UPLOAD})
        menu->Enable(id, false);
    mode->Check(ID_MENU_MODE_VIRTUAL, true);
    return menu;
}

wxMenu* CFrame::BuildHelpMenu()
{
    auto* menu = new wxMenu;
    menu->Append(ID_MENU_HELP, WithKey(_("Help"), "F1"));
    menu->Append(ID_MENU_WEBSITE, WithKey(kWebSiteLabel, "F2"));
    menu->AppendSeparator();
    menu->Append(ID_MENU_ABOUT, _("Over.."));
    return menu;
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
