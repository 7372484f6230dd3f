#include "model/UserInterface.h"

#include <cstdio>

namespace {
class HeadlessUserInterface final : public UserInterface
{
public:
    bool AskYesNo(const wxString&, const wxString&) override { return false; }
    void ShowMessage(const wxString& message, const wxString& caption) override
    {
        std::fprintf(stderr, "%s: %s\n", caption.utf8_str().data(), message.utf8_str().data());
    }
    void Report(int level, const wxString& message) override
    {
        if (level == 0 || level == 1)
            std::fprintf(stderr, "%s%s\n",
                         level == 0 ? "> !!! Warning !!!: " : "> !!! Erreur !!!: ", message.utf8_str().data());
    }
};

HeadlessUserInterface g_headless;
UserInterface* g_installed = nullptr;
} // namespace

UserInterface& Ui()
{
    return g_installed ? *g_installed : g_headless;
}
void InstallUserInterface(UserInterface* ui)
{
    g_installed = ui;
}
