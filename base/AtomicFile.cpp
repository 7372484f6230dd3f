#include "base/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
bool WriteAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

wxString Reason()
{
    return wxString::FromUTF8(std::strerror(errno));
}
} // namespace

bool WriteFileAtomically(const wxString& path, const std::string& bytes, wxString* error)
{
    const std::string target = path.fn_str().data();
    const size_t slash = target.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : target.substr(0, slash));
    std::string temporary = target + ".XXXXXX";

    int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        if (error)
            *error = Reason();
        return false;
    }
    // mkstemp creates the file for the owner only; a saved project gets the usual permissions.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);

    bool ok = WriteAll(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
    if (!ok && error)
        *error = Reason();
    if (::close(fd) != 0 && ok) {
        ok = false;
        if (error)
            *error = Reason();
    }
    if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        if (error)
            *error = Reason();
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}
