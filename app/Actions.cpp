#include "app/Actions.h"

#include "app/CommandIds.h"
#include "app/WebSite.h"

#include <iterator>

namespace {
using P = MenuPlace;

const Action kTable[] = {
    Menu(P::File, "Bestand"),
    Item(P::File, ID_MENU_NEW, "Nieuw").Key("Ctrl+N").Groups(CMD_NEW).Tool(ID_TOOL_NEW, "nouveau2-ico.png", 1, 1),
    Item(P::File, ID_MENU_OPEN, "Open").Key("Ctrl+O").Groups(CMD_OPEN).Tool(ID_TOOL_OPEN, "open-ico.png", 1, 2),
    Item(P::File, ID_MENU_SAVE, "Opslaan project")
        .Separated()
        .Key("Ctrl+S")
        .Groups(CMD_SAVE)
        .Tool(ID_TOOL_SAVE, "save-ico.png", 1, 3),
    // A copy can be saved whenever a program is shown, edited or not.
    Item(P::File, ID_MENU_SAVE_AS, "Opslaan project als...").Groups(CMD_SAVE | CMD_PRINT),
    Item(P::File, ID_MENU_PRINT_PREVIEW, "Afdrukvoorbeeld").Separated().Groups(CMD_PRINT),
    Item(P::File, ID_MENU_PRINT, "Afdrukken")
        .Key("Ctrl+P")
        .Groups(CMD_PRINT)
        .Tool(ID_TOOL_PRINT, "print-ico.png", 1, 4),
    Item(P::File, ID_MENU_EXPORT_PICTURE, "Exporteer als afbeelding...").Groups(CMD_PRINT),
    Item(P::File, ID_MENU_RECENT, "Recente projecten").Separated().Opens(P::Recent),
    Item(P::File, ID_MENU_EMPTY_RECENT, "Lege projectenlijst"),
    Item(P::File, ID_MENU_EXIT, "Exit").Separated().Key("Ctrl+Q"),

    Menu(P::Edit, "Edit"),
    Item(P::Edit, ID_MENU_UNDO, "Ongedaan maken")
        .Key("Ctrl+Z")
        .Groups(CMD_UNDO)
        .Tool(ID_TOOL_UNDO, "undo-ico.png", 2, 1),
    Item(P::Edit, ID_MENU_REDO, "Opnieuw").Key("Ctrl+Y").Groups(CMD_REDO).Tool(ID_TOOL_REDO, "redo-ico.png", 2, 2),
    // Selecting and deleting are done on the canvas; these three items are never enabled.
    Item(P::Edit, ID_MENU_SELECT, "Selecteren").Separated().Disabled(),
    Item(P::Edit, ID_MENU_DELETE, "Verwijderen DEL").Separated().Disabled(),
    Item(P::Edit, ID_MENU_DELETE_ALL, "Verwijder alles").Disabled(),

    Menu(P::View, "Beeldscherm"),
    Item(P::View, ID_MENU_ZOOM, "Zoom").Opens(P::Zoom),
    Item(P::Zoom, ID_MENU_ZOOM_IN, "Zoom in").Key("Ctrl+Up"),
    Item(P::Zoom, ID_MENU_ZOOM_OUT, "Zoom uit").Key("Ctrl+Down"),
    Item(P::Zoom, ID_MENU_ZOOM_RESET, "Beginwaarden zoom").Disabled(),
    Item(P::View, ID_MENU_MOVE, "Beweeg").ToolGroups(CMD_MOVE_TOOL).Tool(ID_TOOL_MOVE, "move_off_g-ico.png", 2, 4),
    Item(P::View, ID_MENU_SHOW_PALETTE, "Gereedschappen").Separated().Check().Checked(),
    Item(P::View, ID_MENU_SHOW_CONSOLE, "Scherm").Separated().Check().Checked(),
    // The virtual robot during a run, off until the pupil shows it.
    Item(P::View, ID_MENU_SHOW_ROBOT, "Robot").Check(),
    // The canvas tools without a menu item.
    Item(P::None, 0, "Selecteer").Groups(CMD_SELECT_TOOL).Tool(ID_TOOL_SELECT, "arrow_on-ico.png", 2, 3),
    Item(P::None, 0, "Zoom").Groups(CMD_ZOOM_TOOL).Tool(ID_TOOL_ZOOM, "zoom_off-ico.png", 2, 5),
    Item(P::None, 0, "Verbind").Groups(CMD_LINK_TOOL).Tool(ID_TOOL_LINK, "link_off-ico.png", 2, 6),

    // Until the robot is found and a program is open, only the virtual mode can be chosen.
    Menu(P::Tamek, "Tamek"),
    // The robot commands follow the robot's presence, menu items and tools together.
    Item(P::Tamek, ID_MENU_CONFIGURATION, "Configuratie")
        .Groups(CMD_ROBOT)
        .Tool(ID_TOOL_CONFIGURATION, "setting-ico.png", 5, 1),
    Item(P::Tamek, ID_MENU_STOP_ACTUATORS, "Stop servo / motor")
        .Key("F8")
        .Groups(CMD_ROBOT)
        .Tool(ID_TOOL_STOP_ACTUATORS, "stop_off-ico.png", 5, 2)
        .ToolText("Stop", "Stop servo / motor"),
    Item(P::Tamek, ID_MENU_MODE, "Mode").Separated().Opens(P::Mode),
    // The start group also holds the virtual mode tool (and the manual one while the robot is connected).
    Item(P::Mode, ID_MENU_MODE_VIRTUAL, "Virtuele mode")
        .Radio()
        .Checked()
        .Groups(CMD_MODE_VIRTUAL)
        .ToolGroups(CMD_START)
        .Tool(ID_TOOL_MODE_VIRTUAL, "ghost-ico_g.png", 4, 1),
    Item(P::Mode, ID_MENU_MODE_MANUAL, "Manuele mode")
        .Radio()
        .Groups(CMD_MODE_MANUAL)
        .Tool(ID_TOOL_MODE_MANUAL, "pilotage-ico_g.png", 4, 2),
    Item(P::Mode, ID_MENU_MODE_STANDALONE, "Standalone mode")
        .Radio()
        .Groups(CMD_MODE_STANDALONE)
        .Tool(ID_TOOL_MODE_STANDALONE, "automate-ico_g.png", 4, 3),
    Item(P::Tamek, ID_MENU_START, "Start / ga door")
        .Separated()
        .Key("F5")
        .Groups(CMD_START)
        .Tool(ID_TOOL_START, "play-ico_g.png", 3, 1),
    Item(P::Tamek, ID_MENU_PAUSE, "Onderbreken")
        .Key("Ctrl+Alt+Esc")
        .Groups(CMD_PAUSE)
        .Tool(ID_TOOL_PAUSE, "pause-ico_g.png", 3, 3),
    Item(P::Tamek, ID_MENU_STOP, "Stop").Key("Shift+F5").Groups(CMD_STOP).Tool(ID_TOOL_STOP, "stop-ico_g.png", 3, 4),
    Item(P::Tamek, ID_MENU_STEP, "Stap voor stap")
        .Key("F10")
        .Groups(CMD_STEP)
        .Tool(ID_TOOL_STEP, "suivant-ico_g.png", 3, 2),
    Item(P::Tamek, ID_MENU_UPLOAD, "Upload programma naar Tamek.")
        .Separated()
        .Key("F12")
        .Groups(CMD_ROBOT)
        .Tool(ID_TOOL_UPLOAD, "usb-ico.png", 5, 3)
        .ToolText("Upload via USB bezig", nullptr),
    Item(P::None, 0, "").Tool(ID_TOOL_EMPTY, "", 5, 4).Disabled(),

    Menu(P::Help, "Help"),
    Item(P::Help, ID_MENU_HELP, "Help").Key("F1"),
    Item(P::Help, ID_MENU_WEBSITE, kWebSiteLabel).Key("F2"),
    Item(P::Help, ID_MENU_ABOUT, "Over..").Separated(),
};
} // namespace

ActionList Actions()
{
    return {kTable, std::size(kTable)};
}
