#include "app/ExportPicture.h"

#include "app/FileChooser.h"
#include "base/Translation.h"
#include "drawing/ImageExport.h"

#include <wx/filename.h>
#include <wx/msgdlg.h>

bool ExportPictureWithDialog(wxWindow* parent, const CProgram& program, const wxString& projectPath)
{
    // The picture is proposed beside the project, under its name.
    const wxFileName project(projectPath);
    ProjectFileDialog dialog(parent, _("Exporteer als afbeelding"), project.GetPath(),
                             projectPath.empty() ? wxString() : project.GetName() + ".png",
                             _("PNG-afbeelding (*.png)|*.png|SVG-afbeelding (*.svg)|*.svg"), wxFD_SAVE);
    if (dialog.ShowModal() != wxID_OK || dialog.GetPath().empty())
        return false;
    wxString path = dialog.GetPath();
    PictureFormat format;
    if (!PictureFormatOf(path, format)) {
        format = dialog.GetFilterIndex() == 1 ? PictureFormat::Svg : PictureFormat::Png;
        path += format == PictureFormat::Svg ? ".svg" : ".png";
    }
    if (wxFileName::Exists(path) && wxMessageBox(_("Het bestand bestaat al. Wilt u het bestaande bestand vervangen?"),
                                                 _("Reeds bestaand bestand"), wxYES_NO, parent) != wxYES)
        return false;
    wxString error;
    if (!ExportFlowchart(program, path, format, &error)) {
        wxMessageBox(_("Er is een fout opgetreden. De afbeelding kan niet opgeslagen worden.") + "\n\n" + path + "\n" +
                         error,
                     _("Schrijffout"), wxOK | wxICON_ERROR, parent);
        return false;
    }
    return true;
}
