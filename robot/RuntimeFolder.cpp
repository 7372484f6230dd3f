#include "robot/RuntimeFolder.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

std::string UserRuntimeFolder()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat info;
    if (runtime && runtime[0] == '/' && stat(runtime, &info) == 0 && S_ISDIR(info.st_mode))
        return runtime;
    return "/tmp/tamek-" + std::to_string(getuid());
}

bool IsPrivateFolder(const std::string& folder, std::string* why)
{
    struct stat info;
    const char* problem = nullptr;
    if (lstat(folder.c_str(), &info) != 0)
        problem = "it does not exist";
    else if (!S_ISDIR(info.st_mode))
        problem = "it is not a folder";
    else if (info.st_uid != getuid())
        problem = "another user owns it";
    else if (info.st_mode & 077)
        problem = "other users may enter it";
    if (problem && why)
        *why = folder + ": " + problem;
    return !problem;
}

bool MakePrivateFolder(const std::string& folder, std::string* why)
{
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        if (why)
            *why = folder + ": cannot create the folder";
        return false;
    }
    return IsPrivateFolder(folder, why);
}
