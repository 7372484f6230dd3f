#include "print/PrintToFile.h"

#ifdef __WXGTK__
#include <gtk/gtk.h>
#include <gtk/gtkunixprint.h>
#include <wx/gtk/print.h>

namespace {
// The name of GTK's file printer ("Print to File", translated): the virtual printer that takes
// PDF. GTK asks every print backend once; the name is kept.
gboolean TakeFilePrinter(GtkPrinter* printer, gpointer name)
{
    if (!gtk_printer_is_virtual(printer) || !gtk_printer_accepts_pdf(printer))
        return FALSE;
    *static_cast<wxString*>(name) = wxString::FromUTF8(gtk_printer_get_name(printer));
    return TRUE;
}

const wxString& FilePrinterName()
{
    static wxString name;
    static bool asked = false;
    if (!asked) {
        asked = true;
        gtk_enumerate_printers(TakeFilePrinter, &name, nullptr, TRUE);
    }
    return name;
}
} // namespace

bool ProposePdfFile(wxPrintData& printData, const wxString& pdfPath, bool choosePrinter)
{
    const wxString& printer = FilePrinterName();
    if (printer.empty())
        return false;
    if (choosePrinter)
        printData.SetPrinterName(printer);
    printData.SetFilename(pdfPath);
    printData.ConvertToNative();
    auto* native = static_cast<wxGtkPrintNativeData*>(printData.GetNativeData());
    GtkPrintSettings* settings = native->GetPrintConfig();
    gchar* uri = g_filename_to_uri(pdfPath.fn_str(), nullptr, nullptr);
    if (!uri)
        return false;
    gtk_print_settings_set(settings, GTK_PRINT_SETTINGS_OUTPUT_URI, uri);
    gtk_print_settings_set(settings, GTK_PRINT_SETTINGS_OUTPUT_FILE_FORMAT, "pdf");
    g_free(uri);
    return true;
}
#else
bool ProposePdfFile(wxPrintData& printData, const wxString& pdfPath, bool)
{
    printData.SetFilename(pdfPath);
    return false;
}
#endif
