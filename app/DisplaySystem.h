#pragma once
// Which display system the toolkit draws on. Under Wayland the compositor places every window
// itself and raises one only with the launcher's token; under X11 a program may do both.

#include <wx/utils.h>

inline bool OnWayland()
{
#if defined(__WXGTK__)
    return wxGetDisplayInfo().type == wxDisplayWayland;
#else
    return false;
#endif
}
