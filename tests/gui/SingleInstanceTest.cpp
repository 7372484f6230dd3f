// The pieces of the single-instance rule in one process: the lock, the request on the local socket
// (asked from a thread while this thread's event loop answers it), and the presenting of a window.
// tests/gui/single_instance.sh runs the rule itself with real copies.
#include "GuiTest.h"

#include "app/CFrame.h"
#include "app/InstanceChannel.h"
#include "app/InstanceLock.h"
#include "app/SingleInstance.h"

#include <atomic>
#include <dlfcn.h>
#include <memory>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <vector>
#include <wx/evtloop.h>
#include <wx/frame.h>

namespace {
// Asks on a thread of its own, so that this thread's event loop can serve the request.
bool AskWhileServing(const wxString& path, const wxString& token, int timeoutMs = 3000)
{
    std::atomic<int> answer{-1};
    std::thread asking([&] { answer = AskToPresent(path, token, timeoutMs) ? 1 : 0; });
    WaitFor([&] { return answer >= 0; }, timeoutMs + 2000);
    asking.join();
    return answer == 1;
}

bool UrgencyHint(wxTopLevelWindow& window)
{
    using GetUrgency = int (*)(void*);
    const auto get = reinterpret_cast<GetUrgency>(dlsym(RTLD_DEFAULT, "gtk_window_get_urgency_hint"));
    return get && get(window.GetHandle());
}
} // namespace

TEST(InstanceLock, IsHeldByOneAtATimeAndTakenOnceReleased)
{
    const wxString path = FreshFolder("lock") + "/tamek.lock";
    auto first = std::make_unique<InstanceLock>();
    ASSERT_EQ(first->Acquire(path), InstanceLock::Result::Acquired);
    InstanceLock second;
    EXPECT_EQ(second.Acquire(path, 100), InstanceLock::Result::HeldElsewhere);
    first.reset(); // as when the running copy ends
    EXPECT_EQ(second.Acquire(path, 100), InstanceLock::Result::Acquired);
}

TEST(InstanceChannel, APresentRequestReachesTheHandlerWithTheLauncherTokenPastASilentPeer)
{
    const wxString path = FreshFolder("channel") + "/tamek.socket";
    std::vector<wxString> tokens;
    bool windowThere = true;
    InstanceChannel channel;
    ASSERT_TRUE(channel.Listen(path, [&](const wxString& token) {
        tokens.push_back(token);
        return windowThere;
    }));
    // A peer that connects and says nothing (a hung copy) is dropped after a while.
    sockaddr_un address{AF_UNIX, {}};
    strncpy(address.sun_path, path.fn_str(), sizeof address.sun_path - 1);
    const int silent = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(connect(silent, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);

    EXPECT_TRUE(AskWhileServing(path, "gnome-shell/Tamek/1234-5-host_TIME98765"));
    EXPECT_TRUE(AskWhileServing(path, ""));
    EXPECT_TRUE(AskWhileServing(path, "two\nlines")); // a token that would break the line is left out
    windowThere = false;                              // a copy whose window is closing
    EXPECT_FALSE(AskWhileServing(path, "late"));
    EXPECT_EQ(tokens, (std::vector<wxString>{"gnome-shell/Tamek/1234-5-host_TIME98765", "", "", "late"}));
    close(silent);
}

TEST_F(MainWindowTest, PresentingRaisesTheWindowOrAsksForAttention)
{
    // A window behind the main one, which has the focus.
    auto* behind = new wxFrame(nullptr, wxID_ANY, "Achter");
    behind->Show();
    ASSERT_TRUE(WaitFor([&] { return behind->IsShownOnScreen(); }));
    frame->Raise();
    WaitFor([&] { return !behind->IsActive(); });
    ASSERT_FALSE(behind->IsActive());

    PresentWindow(*behind, ""); // as start-up's yield may serve a request: no event loop runs yet
    wxEventLoop loop;
    wxEventLoopActivator running(&loop); // as the program's loop serves every later one
    PresentWindow(*behind, "");
    // Under X11 without a window manager the window is raised and takes the focus; where the
    // display refuses (Wayland without an activation token) it keeps asking for attention.
    EXPECT_TRUE(WaitFor([&] { return behind->IsActive() || UrgencyHint(*behind); }));
    behind->Destroy();
}
