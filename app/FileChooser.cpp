#include "app/FileChooser.h"

#include "base/Translation.h"

#include <wx/filename.h>
#include <wx/msgdlg.h>

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

void ProjectFileDialog::GetPaths(wxArrayString& paths) const
{
    wxFileDialog::GetPaths(paths);
    if (paths.empty())
        paths = !m_chosenPaths.empty() || m_chosenPath.empty() ? m_chosenPaths : wxArrayString(1, &m_chosenPath);
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

wxArrayString ChooseFilesToOpen(wxWindow* parent, const wxString& title, const wxString& wildcard)
{
    ProjectFileDialog dialog(parent, title, wxEmptyString, wxEmptyString, wildcard,
                             wxFD_OPEN | wxFD_FILE_MUST_EXIST | wxFD_MULTIPLE);
    wxArrayString paths;
    if (dialog.ShowModal() == wxID_OK)
        dialog.GetPaths(paths);
    return paths;
}

bool ConfirmReplace(wxWindow* parent, const wxString& path)
{
    return !wxFileName::FileExists(path) ||
           wxMessageBox(_("Het bestand bestaat al. Wilt u het bestaande bestand vervangen?"),
                        _("Reeds bestaand bestand"), wxYES_NO, parent) == wxYES;
}
