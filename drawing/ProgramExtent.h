#pragma once
// The rectangle that the program's pictures cover, in drawing units. Printing, the print preview
// and the exported pictures compute it before they draw.

#include <wx/gdicmn.h>

class CProgram;

// The union of every block's displayed picture (a standard 96-unit block without one); empty
// without a root.
wxRect ComputeProgramExtent(const CProgram& program);
