#include "editor/CanvasOwner.h"

ViewZoom& TheViewZoom()
{
    static ViewZoom zoom;
    return zoom;
}
