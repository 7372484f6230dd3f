// Printing into a PDF file through the real print dialog and GTK's file printer, the page turned
// into a picture by pdftoppm.
#include "GuiTest.h"

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

} // namespace

TEST_F(MainWindowTest, PrintsIntoAPdfFileThroughThePrintDialog)
{
    const wxString folder = FreshFolder("pdf");
    // An upright page for the worked example, one on its side for the wide program.
    for (const char* name : {"worked_example", "rows"}) {
        SCOPED_TRACE(name);
        Open(wxString(name) + ".tamek");
        const wxString pdf = folder + "/" + name + ".pdf", page = folder + "/" + name;
        wxPrintData printData;
        ASSERT_TRUE(ProposePdfFile(printData, pdf, true));
        PrintButtonClicker clicker;
        EXPECT_TRUE(PrintProject(frame, printData, wxPageSetupDialogData()));
        EXPECT_EQ(clicker.clicks, 1);
        // The file printer writes the file as the job goes out: whole once pdftoppm reads it.
        const wxString toPicture = "pdftoppm -r 40 -png -singlefile '" + pdf + "' '" + page + "' 2>/dev/null";
        ASSERT_TRUE(WaitFor([&] { return std::system(toPicture.utf8_str()) == 0; }, 10000));
        EXPECT_TRUE(MatchesGolden(wxImage(page + ".png", wxBITMAP_TYPE_PNG), wxString("pdf-") + name + ".png"));
    }
}
