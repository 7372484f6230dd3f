#include "app/FileChooser.h"

#include <wx/filename.h>

void ProjectFileDialog::SetPath(const wxString& path)
{
    m_chosenPath = path;
    wxFileDialog::SetPath(path);
}

wxString ProjectFileDialog::GetPath() const
{
    const wxString shown = wxFileDialog::GetPath();
    return shown.empty() ? m_chosenPath : shown;
}

wxString ChooseFile(wxWindow* parent, const wxString& title, const wxString& defaultExtension, const wxString& wildcard,
                    long style)
{
    ProjectFileDialog dialog(parent, title, wxEmptyString, wxEmptyString, wildcard, style);
    if (dialog.ShowModal() != wxID_OK)
        return wxString();
    wxString path = dialog.GetPath();
    if (!path.empty() && !wxFileName(path).HasExt() && !wxFileName::Exists(path))
        path += "." + defaultExtension;
    return path;
}
