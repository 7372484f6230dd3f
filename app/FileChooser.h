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

private:
    wxString m_chosenPath;
};

// Shows a file dialog with an empty start folder and file name; the chosen full path, or empty
// when cancelled. A name chosen without an extension that names no existing file gets the
// default extension.
wxString ChooseFile(wxWindow* parent, const wxString& title, const wxString& defaultExtension, const wxString& wildcard,
                    long style);
