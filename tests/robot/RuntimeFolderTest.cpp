// The user's runtime folder: $XDG_RUNTIME_DIR, else /tmp/tamek-UID, used only when private.
#include "robot/RuntimeFolder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

TEST(RuntimeFolder, IsMadeClosedToOthersAndRefusedWhenNotThisUsersOwnAlone)
{
    char base[] = "/tmp/tamek-folders-XXXXXX";
    ASSERT_TRUE(mkdtemp(base));
    const std::string at(base);
    ASSERT_EQ(mkdir((at + "/open").c_str(), 0755), 0);
    ASSERT_EQ(symlink((at + "/new").c_str(), (at + "/link").c_str()), 0);
    ASSERT_EQ(mkdir((at + "/theirs").c_str(), 0700), 0);
    const bool root = getuid() == 0; // only root can give a folder to someone else
    ASSERT_TRUE(!root || chown((at + "/theirs").c_str(), 65534, 65534) == 0);
    for (const auto& [name, reason] :
         {std::pair{"/new", ""},
          {"/open", "other users may enter it"},
          {"/link", "it is not a folder"},
          {"/missing/below", "cannot create the folder"},
          {root ? "/theirs" : "/open", root ? "another user owns it" : "other users may enter it"}}) {
        std::string why;
        EXPECT_EQ(MakePrivateFolder(at + name, &why), *reason == '\0') << name;
        EXPECT_EQ(why, *reason ? at + name + ": " + reason : "") << name;
    }
    struct stat info;
    ASSERT_EQ(stat((at + "/new").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(std::system(("rm -rf " + at).c_str()), 0);
}

TEST(RuntimeFolder, IsXdgRuntimeDirWhenItNamesAFolderElseOneUnderTmp)
{
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string fallback = "/tmp/tamek-" + std::to_string(getuid());
    for (const auto& [value, expected] : {std::pair<const char*, std::string>{"/tmp", "/tmp"},
                                          {"relative/run", fallback},
                                          {"/no/such/folder", fallback},
                                          {"", fallback}}) {
        setenv("XDG_RUNTIME_DIR", value, 1);
        EXPECT_EQ(UserRuntimeFolder(), expected) << value;
    }
    saved ? setenv("XDG_RUNTIME_DIR", saved, 1) : unsetenv("XDG_RUNTIME_DIR");
}
