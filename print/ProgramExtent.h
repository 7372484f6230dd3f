#pragma once
// The rectangle that the program's pictures cover, in drawing units, and the paper orientation
// that suits it. Printing and the print preview compute it before they start.

#include <wx/cmndata.h>
#include <wx/gdicmn.h>

class CProgram;

// The union of every block's displayed picture (a standard 96-unit block without one); empty
// without a root.
wxRect ComputeProgramExtent(const CProgram& program);
// Landscape when the extent is wider than high, portrait otherwise.
wxPrintOrientation OrientationFor(const wxRect& extent);

// The extent of the last print command, read by the printout.
wxRect& ThePrintExtent();
