#include "base/FileBytes.h"

#include <cstdio>

FileRead ReadFileBytes(const wxString& path, std::string& bytes)
{
    bytes.clear();
    std::FILE* file = std::fopen(path.fn_str(), "rb");
    if (!file)
        return FileRead::CannotOpen;
    char buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, got);
    const bool failed = std::ferror(file);
    std::fclose(file);
    return failed ? FileRead::CannotRead : FileRead::Ok;
}
