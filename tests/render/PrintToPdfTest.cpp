// Printing into a PDF file through the real print dialog and GTK's file printer, the page turned
// into a picture by pdftoppm.
#include "GuiTest.h"

#include "print/PrintCommands.h"
#include "print/PrintToFile.h"

#include <cstdlib>
#include <gtk/gtk.h>
#include <gtk/gtkunixprint.h>
#include <wx/timer.h>

namespace {
// Presses the print dialog's "Print" button (GTK's own dialog) once it is shown and ready.
struct PrintButtonPresser : wxTimer
{
    PrintButtonPresser() { Start(100); }
    void Notify() override
    {
        GList* windows = gtk_window_list_toplevels();
        for (GList* item = windows; item; item = item->next) {
            GtkWidget* dialog = GTK_WIDGET(item->data);
            GtkWidget* button = GTK_IS_PRINT_UNIX_DIALOG(dialog) && gtk_widget_get_mapped(dialog)
                                    ? gtk_dialog_get_widget_for_response(GTK_DIALOG(dialog), GTK_RESPONSE_OK)
                                    : nullptr;
            if (button && gtk_widget_is_sensitive(button) && gtk_widget_get_mapped(button))
                gtk_button_clicked(GTK_BUTTON(button)), ++presses, Stop();
        }
        g_list_free(windows);
    }
    int presses = 0;
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
        PrintButtonPresser presser;
        EXPECT_TRUE(PrintProject(frame, printData, wxPageSetupDialogData()));
        EXPECT_EQ(presser.presses, 1);
        // The file printer writes the file as the job goes out: whole once pdftoppm reads it.
        const wxString toPicture = "pdftoppm -r 40 -png -singlefile '" + pdf + "' '" + page + "' 2>/dev/null";
        ASSERT_TRUE(WaitFor([&] { return std::system(toPicture.utf8_str()) == 0; }, 10000));
        EXPECT_TRUE(MatchesGolden(wxImage(page + ".png", wxBITMAP_TYPE_PNG), wxString("pdf-") + name + ".png"));
    }
}
