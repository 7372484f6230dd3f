// tamekc export FILE.tamek OUT.png|OUT.svg: the whole flowchart as a picture, drawn as the
// printout and the editor's export draw it, with the pictures beside tamekc. Cairo draws it, so
// no display is needed.

#include "cli/Commands.h"
#include "cli/ProjectLoad.h"
#include "drawing/ImageExport.h"
#include "drawing/WxImageStore.h"

#include <cstdio>
#include <wx/filename.h>
#include <wx/stdpaths.h>

namespace {
int RunExport(const std::vector<std::string>& args)
{
    PictureFormat format;
    if (args.size() != 2 || !PictureFormatOf(wxString::FromUTF8(args[1]), format)) {
        std::fprintf(stderr, "Usage: tamekc export FILE.tamek OUT.png|OUT.svg\n");
        return CliExit::Usage;
    }
    // The blocks take their pictures from the store, so it comes before the project is read.
    const wxString folder = wxFileName(wxStandardPaths::Get().GetExecutablePath()).GetPath();
    InstallWxImageStore(folder);
    CProgram program;
    CalibrationRecord calibration;
    if (!LoadProject(args[0], program, calibration))
        return CliExit::Unreadable;
    if (!program.GetRoot()->DisplayedImage()) {
        std::fprintf(stderr, "tamekc: the block pictures are missing (Img/ beside tamekc in %s)\n",
                     (const char*)folder.utf8_str());
        return CliExit::Unreadable;
    }
    wxString error;
    if (!ExportFlowchart(program, wxString::FromUTF8(args[1]), format, &error)) {
        std::fprintf(stderr, "tamekc: %s: %s\n", args[1].c_str(), (const char*)error.utf8_str());
        return CliExit::Unreadable;
    }
    return CliExit::Ok;
}

const CliRegistrar registrar({"export", "FILE.tamek OUT.png|OUT.svg    draw the flowchart as a picture", &RunExport});
} // namespace
