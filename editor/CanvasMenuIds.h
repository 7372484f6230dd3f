#pragma once
// The commands of the canvas's context menu.

enum CanvasMenuId : int
{
    kMenuChangeTrue = 6015,  // "Stel parameter '%s' in als TRUE"
    kMenuChangeFalse = 6016, // "Stel parameter '%s' in als FALSE"
    kMenuChange = 6018,      // "Verander", the submenu of names
    kMenuKindFirst = 6019,   // the names of the submenu, in order
    kMenuKindLast = 6034,
    kMenuDelete = 5038,    // "Verwijder"
    kMenuProperties = 6036 // "Eigenschappen"
};
