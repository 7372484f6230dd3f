// Printing into a PDF file through the real print dialog and GTK's file printer, the page turned
// into a picture by pdftoppm.
#include "GoldenImage.h"
#include "TestFrame.h"

#include "print/PrintCommands.h"
#include "print/PrintToFile.h"

#include <cstdlib>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>
#include <gtk/gtkunixprint.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

namespace {
// Clicks the print dialog's "Print" button once the dialog shows it ready: with the real mouse
// under X11; under Wayland, where no program may move the pointer, through the button itself.
class PrintButtonClicker : public wxTimer
{
public:
    PrintButtonClicker() { Start(100); }
    void Notify() override
    {
        GList* windows = gtk_window_list_toplevels();
        for (GList* item = windows; item; item = item->next) {
            GtkWidget* window = GTK_WIDGET(item->data);
            if (!GTK_IS_PRINT_UNIX_DIALOG(window) || !gtk_widget_get_mapped(window))
                continue;
            GtkWidget* button = gtk_dialog_get_widget_for_response(GTK_DIALOG(window), GTK_RESPONSE_OK);
            if (!button || !gtk_widget_is_sensitive(button) || !gtk_widget_get_mapped(button))
                continue;
            if (GDK_IS_X11_DISPLAY(gtk_widget_get_display(button))) {
                GtkAllocation area;
                gtk_widget_get_allocation(button, &area);
                int x = 0, y = 0;
                gdk_window_get_origin(gtk_widget_get_window(button), &x, &y);
                wxUIActionSimulator mouse;
                mouse.MouseMove(x + area.x + area.width / 2, y + area.y + area.height / 2);
                mouse.MouseClick();
            } else {
                gtk_button_clicked(GTK_BUTTON(button));
            }
            ++clicks;
            Stop();
        }
        g_list_free(windows);
    }
    int clicks = 0;
};

// What pdfinfo says about the file, runs of spaces squeezed to one.
std::string PdfInfo(const wxString& pdf)
{
    std::string text;
    if (FILE* pipe = popen(("pdfinfo '" + pdf + "' 2>/dev/null").utf8_str(), "r")) {
        for (int c; (c = fgetc(pipe)) != EOF;)
            if (c != ' ' || text.empty() || text.back() != ' ')
                text += static_cast<char>(c);
        pclose(pipe);
    }
    return text;
}
} // namespace

TEST_F(CanvasFixture, PrintsIntoAPdfFileThroughThePrintDialog)
{
    const wxString folder = wxFileName::CreateTempFileName("tamek-pdf");
    wxRemoveFile(folder);
    wxFileName::Mkdir(folder);
    const struct
    {
        const char* project;
        const char* golden;
        const char* pageSize; // A4 upright or on its side
    } cases[] = {{"worked_example.tamek", "pdf-worked_example.png", "595.276 x 841.89 pts (A4)"},
                 {"rows.tamek", "pdf-rows.png", "841.89 x 595.276 pts (A4)"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.project);
        ASSERT_TRUE(ReadTestProject(c.project));
        const wxString pdf = folder + "/" + wxFileName(c.project).GetName() + ".pdf";
        wxPrintData printData;
        ASSERT_TRUE(ProposePdfFile(printData, pdf, true));
        PrintButtonClicker clicker;
        EXPECT_TRUE(PrintProject(frame, printData, wxPageSetupDialogData()));
        EXPECT_EQ(clicker.clicks, 1);
        // The file printer writes the file as the job goes out; it is whole once pdfinfo reads it.
        ASSERT_TRUE(TestFrame::WaitFor([&] { return PdfInfo(pdf).find("Pages:") != std::string::npos; }, 10000));
        const std::string info = PdfInfo(pdf);
        EXPECT_NE(info.find("Pages: 1\n"), std::string::npos) << info;
        EXPECT_NE(info.find(std::string("Page size: ") + c.pageSize), std::string::npos) << info;
        const wxString page = folder + "/page";
        ASSERT_EQ(std::system(("pdftoppm -r 40 -png -singlefile '" + pdf + "' '" + page + "'").utf8_str()), 0);
        EXPECT_TRUE(MatchesGolden(wxImage(page + ".png", wxBITMAP_TYPE_PNG), c.golden));
    }
    wxFileName::Rmdir(folder, wxPATH_RMDIR_RECURSIVE);
}
