#pragma once
// The file dialogs of the project commands.

#include <wx/filedlg.h>

// A file dialog whose chosen path can also be set from code: wxGTK reads the path back from the
// GTK chooser, which only knows a path once it has been shown, so a path set while the dialog is
// answered without being shown (the dialog test hook) is kept here.
class ProjectFileDialog : public wxFileDialog
{
public:
    using wxFileDialog::wxFileDialog;
    void SetPath(const wxString& path) override;
    wxString GetPath() const override;
    // The paths of a dialog that chooses several files, set from code in the same way.
    void SetChosenPaths(const wxArrayString& paths) { m_chosenPaths = paths; }
    void GetPaths(wxArrayString& paths) const override;

private:
    wxString m_chosenPath;
    wxArrayString m_chosenPaths;
};

// Shows a file dialog with an empty start folder and file name; the chosen full path, or empty
// when cancelled. A name chosen without an extension that names no existing file gets the
// default extension.
wxString ChooseFile(wxWindow* parent, const wxString& title, const wxString& defaultExtension, const wxString& wildcard,
                    long style);
// Shows a file dialog that opens one or more existing files; their full paths, or none when
// cancelled.
wxArrayString ChooseFilesToOpen(wxWindow* parent, const wxString& title, const wxString& wildcard);

// Before a file is written over: without a file at path true; else asks "Het bestand bestaat al.
// Wilt u het bestaande bestand vervangen?" and answers whether the user said Yes.
bool ConfirmReplace(wxWindow* parent, const wxString& path);
