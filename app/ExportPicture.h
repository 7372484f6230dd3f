#pragma once
// "Exporteer als afbeelding...": the whole flowchart as a PNG or SVG picture, drawn as the
// printout draws it.

#include <wx/string.h>

class CProgram;
class wxWindow;

// Asks for the picture's file (the file type chosen in the dialog decides PNG or SVG, unless the
// name ends in ".png" or ".svg"), asks before replacing another file, and writes it. False when
// cancelled or failed; a failure is shown.
bool ExportPictureWithDialog(wxWindow* parent, const CProgram& program, const wxString& projectPath);
