// The flowchart exported as a picture: the editor and tamekc without a display make the same PNG,
// and the SVG draws like it.
#include "GuiTest.h"
#include "RunTamekc.h"

#include "drawing/ImageExport.h"

#include <cstdlib>
#include <wx/mstream.h>

namespace {
wxImage PngImage(const std::string& bytes)
{
    wxMemoryInputStream stream(bytes.data(), bytes.size());
    return wxImage(stream, wxBITMAP_TYPE_PNG);
}

// tamekc run as it would be on a server: no display at all.
testing_support::TamekcResult TamekcWithoutDisplay(const std::string& arguments)
{
    return testing_support::Tamekc(arguments, "", "env -u DISPLAY -u WAYLAND_DISPLAY ");
}
} // namespace

TEST_F(MainWindowTest, EditorAndTamekcExportTheSamePictures)
{
    const wxString folder = FreshFolder("export");
    for (const char* name : {"worked_example", "rows", "render/branching-loop"}) {
        SCOPED_TRACE(name);
        const wxString stem = wxFileName(name).GetName();
        const std::string project = std::string(TAMEK_TEST_DATA) + "/" + name + ".tamek";
        const std::string png = (folder + "/" + stem + ".png").ToStdString();
        const std::string svg = (folder + "/" + stem + ".svg").ToStdString();
        for (const std::string& out : {png, svg})
            ASSERT_EQ(TamekcWithoutDisplay("export '" + project + "' '" + out + "'").status, 0);
        const wxImage picture(png, wxBITMAP_TYPE_PNG);
        EXPECT_TRUE(MatchesGolden(picture, "export-" + stem + ".png"));

        // The editor's picture of the same project, drawn with a display.
        Open(wxString(name) + ".tamek");
        EXPECT_TRUE(ImagesMatch(PngImage(FlowchartPicture(TheProgram(), PictureFormat::Png)), picture));

        // The SVG, rendered at the PNG's two pixels per unit by another program.
        const std::string rendered = (folder + "/" + stem + "-svg.png").ToStdString();
        ASSERT_EQ(std::system(("rsvg-convert -z 2 -b white -o '" + rendered + "' '" + svg + "'").c_str()), 0);
        EXPECT_TRUE(ImagesMatch(wxImage(rendered, wxBITMAP_TYPE_PNG), picture));
    }
    // A folder that cannot be written is named; an empty program has no picture.
    const testing_support::TamekcResult refused =
        TamekcWithoutDisplay(("export '" + DataPath("rows.tamek") + "' '" + folder + "/missing/a.svg'").ToStdString());
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("a.svg: "), std::string::npos) << refused.err;
    EXPECT_TRUE(FlowchartPicture(CProgram(), PictureFormat::Png).empty());
}
