// The window as a pupil reads it, with the language set up as start-up sets it (run as its own
// run, TAMEK_TEST_DUTCH=1): the texts that the toolkit and GTK produce themselves (key names in
// the menus, the buttons of a message box, the print preview) are Dutch, and our own texts keep
// their words. TAMEK_SCREENSHOTS=folder keeps screenshots of the message box and the preview.
#include "GuiTest.h"

#include "app/CommandIds.h"
#include "base/Translation.h"
#include "console/CConsoleViewer.h"
#include "model/UserInterface.h"
#include "print/PrintCommands.h"

#include <dlfcn.h>
#include <wx/app.h>
#include <wx/aui/auibar.h>
#include <wx/button.h>
#include <wx/menu.h>
#include <wx/prntbase.h>

namespace {
// A few GTK functions, found in the running program: the toolkit links GTK, whose development
// headers are needed nowhere else.
template <typename Function> Function* Gtk(const char* name)
{
    auto* function = reinterpret_cast<Function*>(dlsym(RTLD_DEFAULT, name));
    EXPECT_NE(function, nullptr) << name;
    return function;
}
struct GList
{
    void* data;
    GList* next;
    GList* prev;
};

// The texts of the GTK labels inside a widget (a stock button's text is no property of the button).
wxString LabelsIn(void* widget)
{
    if (std::string(Gtk<const char*(void*)>("g_type_name_from_instance")(widget)) == "GtkLabel")
        return wxString::FromUTF8(Gtk<const char*(void*)>("gtk_label_get_text")(widget)) + ";";
    wxString texts;
    if (Gtk<int(void*, unsigned long)>("g_type_check_instance_is_a")(widget,
                                                                     Gtk<unsigned long()>("gtk_container_get_type")()))
        for (GList* child = Gtk<GList*(void*)>("gtk_container_get_children")(widget); child; child = child->next)
            texts += LabelsIn(child->data);
    return texts;
}

// The key of a menu item as GTK writes it beside the item: the accelerator bound to the item's
// "activate", as GTK's accelerator label names it.
wxString ShownKey(wxMenuItem* item)
{
    struct AccelKey
    {
        unsigned key, modifiers, flags;
    };
    using Find = int(AccelKey*, void* closure, void* wanted);
    void* closure = Gtk<GList*(void*)>("gtk_widget_list_accel_closures")(item->GetMenuItem())->data;
    void* group = Gtk<void*(void*)>("gtk_accel_group_from_accel_closure")(closure);
    Find* same = [](AccelKey*, void* closure, void* wanted) { return closure == wanted ? 1 : 0; };
    const AccelKey* key = Gtk<AccelKey*(void*, Find*, void*)>("gtk_accel_group_find")(group, same, closure);
    return wxString::FromUTF8(Gtk<char*(unsigned, unsigned)>("gtk_accelerator_get_label")(key->key, key->modifiers));
}

using Dutch = MainWindowTest;

} // namespace

TEST_F(Dutch, KeyNamesInTheMenus)
{
    const std::pair<int, const char*> keys[] = {{ID_MENU_NEW, "Ctrl+N"},           {ID_MENU_ZOOM_IN, "Ctrl+Omhoog"},
                                                {ID_MENU_ZOOM_OUT, "Ctrl+Omlaag"}, {ID_MENU_PAUSE, "Ctrl+Alt+Escape"},
                                                {ID_MENU_STOP, "Shift+F5"},        {ID_MENU_STEP, "F10"}};
    for (const auto& [id, shown] : keys)
        EXPECT_EQ(ShownKey(frame->GetMenuBar()->FindItem(id)), shown);
}

TEST_F(Dutch, ButtonsOfAMessageBox)
{
    // The box is shown for real; once it is on the screen its buttons are read, then it is closed.
    wxString buttons;
    wxTheApp->CallAfter([&buttons] {
        void* box = nullptr;
        ASSERT_TRUE(WaitFor([&box] {
            for (GList* window = Gtk<GList*()>("gtk_window_list_toplevels")(); window; window = window->next)
                if (std::string(Gtk<const char*(void*)>("g_type_name_from_instance")(window->data)) ==
                    "GtkMessageDialog")
                    box = window->data;
            return box && Gtk<int(void*)>("gtk_widget_get_mapped")(box);
        }));
        SaveScreenshot("message-box");
        for (int response : {-8, -9, -6}) // yes, no, cancel
            buttons += LabelsIn(Gtk<void*(void*, int)>("gtk_dialog_get_widget_for_response")(box, response));
        Gtk<void(void*, int)>("gtk_dialog_response")(box, -6);
    });
    EXPECT_EQ(wxMessageBox(_("Project is aangepast, bewaren ?"), _("Bestand aangepast"), wxYES_NO | wxCANCEL, frame),
              wxCANCEL);
    EXPECT_EQ(buttons, "Ja;Nee;Annuleren;");
}

TEST_F(Dutch, PrintPreviewOverTheWindowOrWhyNot)
{
    Open("render/wide.tamek");
    wxPrintData print;
    print.SetOrientation(wxPORTRAIT);
    LogCapture log;
    const bool shown = ShowPrintPreview(frame, print, wxPageSetupDialogData());
    EXPECT_EQ(print.GetOrientation(), wxLANDSCAPE); // follows the wide program either way
    if (!shown) {
        EXPECT_EQ(wxJoin(log.messages, '|'),
                  "Afdrukvoorbeeld kan niet gemaakt worden.\nZijn de printerinstellingen correct?");
        return;
    }
    wxFrame* preview = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        for (wxWindow* window : wxTopLevelWindows)
            if (window->GetLabel() == "Afdrukvoorbeeld" && window->IsShownOnScreen())
                preview = static_cast<wxFrame*>(window);
        return preview != nullptr;
    }));
    EXPECT_TRUE(log.messages.IsEmpty());
    wxString labels;
    for (wxWindow* bar : preview->GetChildren())
        for (wxWindow* control : bar->GetChildren())
            if (auto* button = dynamic_cast<wxButton*>(control))
                labels += button->GetLabelText() + ";";
    EXPECT_NE(labels.find("Sluiten;"), wxString::npos) << labels;
    EXPECT_TRUE(WaitFor([&] { return preview->GetStatusBar()->GetStatusText() == "Pagina 1 van 1"; }));
    SaveScreenshot("print-preview-dutch");
    preview->Close(true);
}

TEST_F(Dutch, FromOurOwnCatalogueWithOurWordsKept)
{
    wxMenuBar* bar = frame->GetMenuBar();
    EXPECT_EQ(bar->GetMenuLabelText(1), "Bewerken");
    EXPECT_EQ(bar->GetMenuLabelText(4), "Help");
    EXPECT_EQ(bar->FindItem(ID_MENU_EXIT)->GetItemLabelText(), "Afsluiten");
    EXPECT_EQ(bar->FindItem(ID_MENU_STOP)->GetItemLabelText(), "Stop");
    EXPECT_EQ(frame->GetTamekToolBar()->FindTool(ID_TOOL_ZOOM)->GetLabel(), "Zoom");
    EXPECT_EQ(frame->GetAuiManager().GetPane("project").caption, "Project");
    Ui().Report(1, _("Une action ou une condition ne peut-être liée que de haut en bas."));
    EXPECT_TRUE(TheConsole()->GetText().EndsWith(
        "> !!! Fout !!!: Een actie of een conditie kan alleen van boven naar beneden gelinkt worden.\n"));
    const wxString missing = "/no/such/file.tamek";
    wxTEST_DIALOG(frame->OpenProjectByPath(missing),
                  ExpectMessage("Het project kan niet volledig gelezen worden.\n\n" + missing +
                                    "\nhet bestand kan niet geopend worden",
                                "Leesfout", wxID_NO));
}
