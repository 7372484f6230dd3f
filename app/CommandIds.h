#pragma once
// Menu and tool ids of the main window and the bits of its command-state mask; what each command
// shows and where it stands is its row in the action table (app/Actions.cpp). Menu ids and tool ids
// are kept apart: a tool and the menu item that do the same thing carry different ids and are bound
// to the same handler.

#include "editor/CanvasOwner.h"
#include "simulation/RunControl.h"

enum MenuId
{
    ID_MENU_NEW = 2,
    ID_MENU_OPEN = 4,
    ID_MENU_SAVE = 8,
    ID_MENU_PRINT = 16,
    ID_MENU_SAVE_AS = 4100,
    ID_MENU_PRINT_PREVIEW = 4101,
    ID_MENU_EXPORT_PICTURE = 4102,
    ID_MENU_RECENT = 4105,
    ID_MENU_EMPTY_RECENT = 4106,
    ID_MENU_RECENT_FIRST = 4112, // one id per recent project, 4112 to 4121
    ID_MENU_RECENT_LAST = 4121,

    ID_MENU_UNDO = 4353,
    ID_MENU_REDO = 4354,
    ID_MENU_SELECT = 4355,
    ID_MENU_DELETE = 4356,
    ID_MENU_DELETE_ALL = 4357,

    ID_MENU_ZOOM = 4609,
    ID_MENU_ZOOM_IN = 4610,
    ID_MENU_ZOOM_OUT = 4611,
    ID_MENU_ZOOM_RESET = 4612,
    ID_MENU_MOVE = 4613,
    ID_MENU_SHOW_PALETTE = 4614,
    ID_PALETTE_PAGE_0 = 4616,
    ID_PALETTE_PAGE_1 = 4617,
    ID_PALETTE_PAGE_2 = 4618,
    ID_PALETTE_PAGE_3 = 4619,
    ID_PALETTE_PAGE_4 = 4620,
    ID_MENU_SHOW_CONSOLE = 4621,
    ID_MENU_SHOW_ROBOT = 4624,

    ID_MENU_CONFIGURATION = 4865,
    ID_MENU_STOP_ACTUATORS = 4866,
    ID_MENU_MODE = 4867,
    ID_MENU_MODE_VIRTUAL = 4868,
    ID_MENU_MODE_MANUAL = 4869,
    ID_MENU_MODE_STANDALONE = 4870,
    ID_MENU_START = 4871,
    ID_MENU_PAUSE = 4873,
    ID_MENU_STOP = 4874,
    ID_MENU_STEP = 4875,
    ID_MENU_UPLOAD = 4876,

    ID_MENU_HELP = 5120,
    ID_MENU_WEBSITE = 5121,
    ID_MENU_ABOUT = 5122,
    ID_MENU_EXIT = 5006,
};

enum ToolId
{
    ID_TOOL_OPEN = 5000,
    ID_TOOL_NEW = 5002,
    ID_TOOL_SAVE = 5003,
    ID_TOOL_UNDO = 5007,
    ID_TOOL_REDO = 5008,
    ID_TOOL_PRINT = 5010,
    ID_TOOL_STOP = 5124,
    ID_TOOL_ZOOM = 5137,
    ID_TOOL_START = 6000,
    ID_TOOL_PAUSE = 6001,
    ID_TOOL_STEP = 6002,
    ID_TOOL_SELECT = 6004,
    ID_TOOL_MOVE = 6005,
    ID_TOOL_UNPLACED = 6006, // named by the command-state mask, never placed on the toolbar
    ID_TOOL_LINK = 6007,
    ID_TOOL_STOP_ACTUATORS = 6008,
    ID_TOOL_CONFIGURATION = 6009,
    ID_TOOL_MODE_VIRTUAL = 6010,
    ID_TOOL_MODE_MANUAL = 6011,
    ID_TOOL_MODE_STANDALONE = 6012,
    ID_TOOL_UPLOAD = 6013,
    ID_TOOL_EMPTY = 6014,
};

// Bits of the command-state mask: each names a group of commands enabled and disabled together.
enum CommandBit : long
{
    CMD_NEW = 0x2,
    CMD_OPEN = 0x4,
    CMD_SAVE = 0x8,
    CMD_PRINT = 0x10,
    CMD_UNDO = 0x20,
    CMD_REDO = 0x40,
    CMD_SELECT_TOOL = 0x80,
    CMD_MOVE_TOOL = 0x100,
    CMD_ZOOM_TOOL = 0x200,
    CMD_UNPLACED_TOOL = 0x800,
    CMD_LINK_TOOL = 0x1000,
    CMD_START = 0x4000,
    CMD_PAUSE = 0x8000,
    CMD_STOP = 0x10000,
    CMD_STEP = 0x20000,
    CMD_MODE_VIRTUAL = 0x40000,
    CMD_MODE_MANUAL = 0x80000,
    CMD_MODE_STANDALONE = 0x100000,
    CMD_ROBOT = 0x200000,
};

// Every group of the mask.
constexpr long kAllCommandGroups = CMD_NEW | CMD_OPEN | CMD_SAVE | CMD_PRINT | CMD_UNDO | CMD_REDO | CMD_SELECT_TOOL |
                                   CMD_MOVE_TOOL | CMD_ZOOM_TOOL | CMD_UNPLACED_TOOL | CMD_LINK_TOOL | CMD_START |
                                   CMD_PAUSE | CMD_STOP | CMD_STEP | CMD_MODE_VIRTUAL | CMD_MODE_MANUAL |
                                   CMD_MODE_STANDALONE | CMD_ROBOT;

// The command states the program sets as a whole.
constexpr long kStateAtStart = 0x1284;
constexpr long kStateAfterNew = 0x1084;
constexpr long kStateAfterOpen = 0x45396;

// Mode tool picture values (CFrame::SetModeToolPictures): two bits per tool (virtual, manual,
// standalone), both set active, the higher alone normal, the lower alone greyed.
constexpr int kModesAllGreyed = 0x1 | 0x4 | 0x10;
constexpr int kModesAllNormal = 0x2 | 0x8 | 0x20;
constexpr int kModesVirtualActiveOthersGreyed = 0x3 | 0x4 | 0x10;

// The canvas tools, as the canvas numbers them.
enum CanvasTool
{
    TOOL_SELECT = 0,
    TOOL_MOVE = 1,
    TOOL_ZOOM = 2,
    TOOL_LINK = 3,
};

// The canvas names the groups it asks for without knowing the main window.
static_assert(CanvasGroups::ProgramShown ==
              (CMD_NEW | CMD_OPEN | CMD_PRINT | CMD_SELECT_TOOL | CMD_MOVE_TOOL | CMD_ZOOM_TOOL | CMD_LINK_TOOL));
static_assert(CanvasGroups::Edited == (CMD_SAVE | CMD_UNDO));
static_assert(CanvasGroups::Redo == CMD_REDO && CanvasGroups::Start == CMD_START);
// Run control names the run commands' groups without knowing the main window.
static_assert(RunGroups::Start == CMD_START && RunGroups::Pause == CMD_PAUSE && RunGroups::Stop == CMD_STOP &&
              RunGroups::Step == CMD_STEP);
