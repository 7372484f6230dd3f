#include "app/Actions.h"

#include "app/CommandIds.h"
#include "app/WebSite.h"

#include <iterator>

namespace {
using P = MenuPlace;

const Action kTable[] = {
    Command("Bestand").In(P::Bar, 0).Opens(P::File),
    Command("Nieuw")
        .In(P::File, ID_MENU_NEW)
        .Key("Ctrl+N")
        .Groups(CMD_NEW)
        .Tool(ID_TOOL_NEW, "Img/Icons/nouveau2-ico.png", 1, 1),
    Command("Open")
        .In(P::File, ID_MENU_OPEN)
        .Key("Ctrl+O")
        .Groups(CMD_OPEN)
        .Tool(ID_TOOL_OPEN, "Img/Icons/open-ico.png", 1, 2),
    Command("Opslaan project")
        .In(P::File, ID_MENU_SAVE)
        .AfterSeparator()
        .Key("Ctrl+S")
        .Groups(CMD_SAVE)
        .Tool(ID_TOOL_SAVE, "Img/Icons/save-ico.png", 1, 3),
    // A copy can be saved whenever a program is shown, edited or not.
    Command("Opslaan project als...").In(P::File, ID_MENU_SAVE_AS).Groups(CMD_SAVE | CMD_PRINT),
    Command("Afdrukvoorbeeld").In(P::File, ID_MENU_PRINT_PREVIEW).AfterSeparator().Groups(CMD_PRINT),
    Command("Afdrukken")
        .In(P::File, ID_MENU_PRINT)
        .Key("Ctrl+P")
        .Groups(CMD_PRINT)
        .Tool(ID_TOOL_PRINT, "Img/Icons/print-ico.png", 1, 4),
    Command("Recente projecten").In(P::File, ID_MENU_RECENT).AfterSeparator().Opens(P::Recent),
    Command("Lege projectenlijst").In(P::File, ID_MENU_EMPTY_RECENT),
    Command("Exit").In(P::File, ID_MENU_EXIT).AfterSeparator().Key("Ctrl+Q"),

    Command("Edit").In(P::Bar, 0).Opens(P::Edit),
    Command("Ongedaan maken")
        .In(P::Edit, ID_MENU_UNDO)
        .Key("Ctrl+Z")
        .Groups(CMD_UNDO)
        .Tool(ID_TOOL_UNDO, "Img/Icons/undo-ico.png", 2, 1),
    Command("Opnieuw")
        .In(P::Edit, ID_MENU_REDO)
        .Key("Ctrl+Y")
        .Groups(CMD_REDO)
        .Tool(ID_TOOL_REDO, "Img/Icons/redo-ico.png", 2, 2),
    // Selecting and deleting are done on the canvas; these three items are never enabled.
    Command("Selecteren").In(P::Edit, ID_MENU_SELECT).AfterSeparator().Disabled(),
    Command("Verwijderen DEL").In(P::Edit, ID_MENU_DELETE).AfterSeparator().Disabled(),
    Command("Verwijder alles").In(P::Edit, ID_MENU_DELETE_ALL).Disabled(),

    Command("Beeldscherm").In(P::Bar, 0).Opens(P::View),
    Command("Zoom").In(P::View, ID_MENU_ZOOM).Opens(P::Zoom),
    Command("Zoom in").In(P::Zoom, ID_MENU_ZOOM_IN).Key("Ctrl+Up"),
    Command("Zoom uit").In(P::Zoom, ID_MENU_ZOOM_OUT).Key("Ctrl+Down"),
    Command("Beginwaarden zoom").In(P::Zoom, ID_MENU_ZOOM_RESET).Disabled(),
    Command("Beweeg")
        .In(P::View, ID_MENU_MOVE)
        .ToolGroups(CMD_MOVE_TOOL)
        .Tool(ID_TOOL_MOVE, "Img/Icons/move_off_g-ico.png", 2, 4),
    Command("Gereedschappen").In(P::View, ID_MENU_SHOW_PALETTE).AfterSeparator().Check().Checked(),
    Command("Scherm").In(P::View, ID_MENU_SHOW_CONSOLE).AfterSeparator().Check().Checked(),

    // The canvas tools without a menu item.
    Command("Selecteer").Groups(CMD_SELECT_TOOL).Tool(ID_TOOL_SELECT, "Img/Icons/arrow_on-ico.png", 2, 3),
    Command("Zoom").Groups(CMD_ZOOM_TOOL).Tool(ID_TOOL_ZOOM, "Img/Icons/zoom_off-ico.png", 2, 5),
    Command("Verbind").Groups(CMD_LINK_TOOL).Tool(ID_TOOL_LINK, "Img/Icons/link_off-ico.png", 2, 6),

    // Only the virtual mode can be chosen until the robot is found and a program is open.
    Command("Tamek").In(P::Bar, 0).Opens(P::Tamek),
    Command("Configuratie")
        .In(P::Tamek, ID_MENU_CONFIGURATION)
        .Disabled()
        .ToolGroups(CMD_ROBOT)
        .Tool(ID_TOOL_CONFIGURATION, "Img/Icons/setting-ico.png", 5, 1),
    Command("Stop servo / motor")
        .In(P::Tamek, ID_MENU_STOP_ACTUATORS)
        .Key("F8")
        .Disabled()
        .ToolGroups(CMD_ROBOT)
        .Tool(ID_TOOL_STOP_ACTUATORS, "Img/Icons/stop_off-ico.png", 5, 2)
        .ToolLabel("Stop")
        .Tip("Stop servo / motor"),
    Command("Mode").In(P::Tamek, ID_MENU_MODE).AfterSeparator().Opens(P::Mode),
    // The start group also holds the virtual mode tool (and the manual one while the robot is connected).
    Command("Virtuele mode")
        .In(P::Mode, ID_MENU_MODE_VIRTUAL)
        .Radio()
        .Checked()
        .Groups(CMD_MODE_VIRTUAL)
        .ToolGroups(CMD_START)
        .Tool(ID_TOOL_MODE_VIRTUAL, "Img/Icons/ghost-ico_g.png", 4, 1),
    Command("Manuele mode")
        .In(P::Mode, ID_MENU_MODE_MANUAL)
        .Radio()
        .Groups(CMD_MODE_MANUAL)
        .Tool(ID_TOOL_MODE_MANUAL, "Img/Icons/pilotage-ico_g.png", 4, 2),
    Command("Standalone mode")
        .In(P::Mode, ID_MENU_MODE_STANDALONE)
        .Radio()
        .Groups(CMD_MODE_STANDALONE)
        .Tool(ID_TOOL_MODE_STANDALONE, "Img/Icons/automate-ico_g.png", 4, 3),
    Command("Start / ga door")
        .In(P::Tamek, ID_MENU_START)
        .AfterSeparator()
        .Key("F5")
        .Groups(CMD_START)
        .Tool(ID_TOOL_START, "Img/Icons/play-ico_g.png", 3, 1),
    Command("Onderbreken")
        .In(P::Tamek, ID_MENU_PAUSE)
        .Key("Ctrl+Alt+Esc")
        .Groups(CMD_PAUSE)
        .Tool(ID_TOOL_PAUSE, "Img/Icons/pause-ico_g.png", 3, 3),
    Command("Stop")
        .In(P::Tamek, ID_MENU_STOP)
        .Key("Shift+F5")
        .Groups(CMD_STOP)
        .Tool(ID_TOOL_STOP, "Img/Icons/stop-ico_g.png", 3, 4),
    Command("Stap voor stap")
        .In(P::Tamek, ID_MENU_STEP)
        .Key("F10")
        .Groups(CMD_STEP)
        .Tool(ID_TOOL_STEP, "Img/Icons/suivant-ico_g.png", 3, 2),
    Command("Upload programma naar Tamek.")
        .In(P::Tamek, ID_MENU_UPLOAD)
        .AfterSeparator()
        .Key("F12")
        .Disabled()
        .ToolGroups(CMD_ROBOT)
        .Tool(ID_TOOL_UPLOAD, "Img/Icons/usb-ico.png", 5, 3)
        .ToolLabel("Upload via USB bezig"),
    Command("").Tool(ID_TOOL_EMPTY, "", 5, 4).Disabled(),

    Command("Help").In(P::Bar, 0).Opens(P::Help),
    Command("Help").In(P::Help, ID_MENU_HELP).Key("F1"),
    Command(kWebSiteLabel).In(P::Help, ID_MENU_WEBSITE).Key("F2"),
    Command("Over..").In(P::Help, ID_MENU_ABOUT).AfterSeparator(),
};
} // namespace

ActionList Actions()
{
    return {kTable, std::size(kTable)};
}
