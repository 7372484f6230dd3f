// The pieces of the single-instance rule in one process: the private folder, the lock, the request
// on the local socket (asked from a thread while this thread's event loop answers it), and the
// presenting of the main window.
#include "GuiTestSupport.h"

#include "app/CFrame.h"
#include "app/InstanceChannel.h"
#include "app/InstanceLock.h"
#include "app/SingleInstance.h"

#include <atomic>
#include <dlfcn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <vector>
#include <wx/evtloop.h>
#include <wx/frame.h>

namespace {
using Result = InstanceLock::Result;

int ModeOf(const wxString& path)
{
    struct stat info;
    return lstat(path.fn_str(), &info) == 0 ? static_cast<int>(info.st_mode & 0777) : -1;
}

// Asks on a thread of its own, so that this thread's event loop can serve the request.
bool AskWhileServing(const wxString& path, const wxString& token, int timeoutMs = 3000)
{
    std::atomic<int> answer{-1};
    std::thread asking([&] { answer = AskToPresent(path, token, timeoutMs) ? 1 : 0; });
    WaitFor([&] { return answer >= 0; }, timeoutMs + 2000);
    asking.join();
    return answer == 1;
}

// A connected socket that says nothing, or a socket file whose listener is gone: what a hung or a
// killed copy leaves.
int ConnectOrBind(const wxString& path, bool bindOnly)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    strncpy(address.sun_path, path.fn_str(), sizeof address.sun_path - 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    const auto* at = reinterpret_cast<const sockaddr*>(&address);
    if (bindOnly ? bind(fd, at, sizeof address) : connect(fd, at, sizeof address)) {
        close(fd);
        return -1;
    }
    return fd;
}

bool UrgencyHint(wxTopLevelWindow& window)
{
    using GetUrgency = int (*)(void*);
    const auto get = reinterpret_cast<GetUrgency>(dlsym(RTLD_DEFAULT, "gtk_window_get_urgency_hint"));
    return get && get(window.GetHandle());
}
} // namespace

TEST(PrivateFolder, IsMadeOrTightenedForItsOwnerAndRefusedOtherwise)
{
    const wxString base = FreshFolder("private");
    EXPECT_EQ(PrivateFolder(base + "/new"), base + "/new");
    EXPECT_EQ(ModeOf(base + "/new"), 0700);
    ASSERT_EQ(mkdir((base + "/loose").fn_str(), 0755), 0);
    EXPECT_EQ(PrivateFolder(base + "/loose"), base + "/loose");
    EXPECT_EQ(ModeOf(base + "/loose"), 0700);
    ASSERT_EQ(symlink((base + "/new").fn_str(), (base + "/link").fn_str()), 0);
    ASSERT_TRUE(WriteTextFile(base + "/file", ""));
    for (const char* refused : {"/link", "/file", "/missing/below"})
        EXPECT_EQ(PrivateFolder(base + refused), "") << refused;
    if (getuid() == 0) { // only root can give a folder to someone else
        ASSERT_EQ(mkdir((base + "/theirs").fn_str(), 0700), 0);
        ASSERT_EQ(chown((base + "/theirs").fn_str(), 65534, 65534), 0);
        EXPECT_EQ(PrivateFolder(base + "/theirs"), "");
    }
}

TEST(UserRuntimeFolder, IsXdgRuntimeDirElseAPrivateFolderUnderTmp)
{
    wxString saved;
    wxGetEnv("XDG_RUNTIME_DIR", &saved);
    const wxString fallback = wxString::Format("/tmp/tamek-%u", static_cast<unsigned>(getuid()));
    EXPECT_EQ(UserRuntimeFolder(), saved);
    for (const char* unusable : {"", "relative/run", "/no/such/folder"}) {
        wxSetEnv("XDG_RUNTIME_DIR", unusable);
        EXPECT_EQ(UserRuntimeFolder(), fallback) << unusable;
    }
    wxUnsetEnv("XDG_RUNTIME_DIR");
    EXPECT_EQ(UserRuntimeFolder(), fallback);
    EXPECT_EQ(ModeOf(fallback), 0700);
    wxSetEnv("XDG_RUNTIME_DIR", saved);
}

TEST(InstanceLock, HasOneHolderAtATimeAndALeftoverFileBlocksNothing)
{
    const wxString path = FreshFolder("lock") + "/tamek.lock";
    ASSERT_TRUE(WriteTextFile(path, "left by a copy that was killed"));
    {
        InstanceLock first, second;
        EXPECT_EQ(first.Acquire(path), Result::Acquired);
        EXPECT_EQ(second.Acquire(path, 200), Result::HeldElsewhere);
    }
    InstanceLock next;
    EXPECT_EQ(next.Acquire(path), Result::Acquired);
    InstanceLock nowhere;
    EXPECT_EQ(nowhere.Acquire(FreshFolder("lock") + "/missing/tamek.lock"), Result::Failed);
}

TEST(InstanceChannel, APresentRequestReachesTheHandlerWithTheLauncherToken)
{
    const wxString path = FreshFolder("channel") + "/tamek.socket";
    std::vector<wxString> tokens;
    bool windowThere = true;
    InstanceChannel channel;
    ASSERT_TRUE(channel.Listen(path, [&](const wxString& token) {
        tokens.push_back(token);
        return windowThere;
    }));
    EXPECT_TRUE(AskWhileServing(path, "gnome-shell/Tamek/1234-5-host_TIME98765"));
    EXPECT_TRUE(AskWhileServing(path, ""));
    EXPECT_TRUE(AskWhileServing(path, "two\nlines")); // a token that would break the line is left out
    windowThere = false;                              // a copy whose window is closing
    EXPECT_FALSE(AskWhileServing(path, "late"));
    EXPECT_EQ(tokens, (std::vector<wxString>{"gnome-shell/Tamek/1234-5-host_TIME98765", "", "", "late"}));
}

TEST(InstanceChannel, AStaleSocketIsReplacedAndASilentPeerIsDropped)
{
    const wxString path = FreshFolder("channel") + "/tamek.socket";
    const int dead = ConnectOrBind(path, true);
    ASSERT_GE(dead, 0);
    close(dead); // the socket file stays, with nobody behind it
    EXPECT_FALSE(AskToPresent(path, "", 300));

    int presented = 0;
    InstanceChannel channel;
    ASSERT_TRUE(channel.Listen(path, [&](const wxString&) { return ++presented > 0; }));
    const int silent = ConnectOrBind(path, false);
    ASSERT_GE(silent, 0);
    EXPECT_TRUE(AskWhileServing(path, ""));
    EXPECT_EQ(presented, 1);
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
