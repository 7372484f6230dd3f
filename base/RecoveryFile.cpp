#include "base/RecoveryFile.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {
constexpr const char* kFirstLine = "Tamek recovery 1";

// 64-bit FNV-1a: enough to tell a torn or altered text from the one written.
std::uint64_t Checksum(const std::string& bytes)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char byte : bytes)
        hash = (hash ^ byte) * 1099511628211ull;
    return hash;
}

// A path is one header line: "%", line feeds and carriage returns are written as %25, %0A, %0D.
std::string EscapePath(const wxString& path)
{
    std::string escaped;
    for (char c : std::string(path.utf8_str())) {
        if (c == '%')
            escaped += "%25";
        else if (c == '\n')
            escaped += "%0A";
        else if (c == '\r')
            escaped += "%0D";
        else
            escaped += c;
    }
    return escaped;
}

bool UnescapePath(const std::string& escaped, wxString& path)
{
    std::string bytes;
    for (size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] != '%') {
            bytes += escaped[i];
            continue;
        }
        const std::string code = escaped.substr(i + 1, 2);
        if (code == "25")
            bytes += '%';
        else if (code == "0A")
            bytes += '\n';
        else if (code == "0D")
            bytes += '\r';
        else
            return false;
        i += 2;
    }
    path = wxString::FromUTF8(bytes.data(), bytes.size());
    return bytes.empty() || !path.empty();
}

// The value of a header line "Key: value", or false when the line is another.
bool TakeValue(const std::string& line, const char* key, std::string& value)
{
    const size_t length = std::strlen(key);
    if (line.compare(0, length, key) != 0 || line.compare(length, 2, ": ") != 0)
        return false;
    value = line.substr(length + 2);
    return true;
}
} // namespace

std::string RecoveryFileBytes(const RecoveryRecord& record)
{
    char numbers[128];
    std::snprintf(numbers, sizeof numbers, "Time: %lld\nLength: %zu\nCheck: %016" PRIx64 "\n\n",
                  static_cast<long long>(record.savedAt), record.projectBytes.size(), Checksum(record.projectBytes));
    return std::string(kFirstLine) + "\nPath: " + EscapePath(record.projectPath) + "\n" + numbers + record.projectBytes;
}

bool ParseRecoveryFile(const std::string& bytes, RecoveryRecord& record)
{
    // The header: five lines before the first blank line.
    const size_t end = bytes.find("\n\n");
    if (end == std::string::npos)
        return false;
    std::vector<std::string> lines;
    for (size_t at = 0; at <= end; at = bytes.find('\n', at) + 1)
        lines.push_back(bytes.substr(at, bytes.find('\n', at) - at));
    std::string path, time, length, check;
    if (lines.size() != 5 || lines[0] != kFirstLine || !TakeValue(lines[1], "Path", path) ||
        !TakeValue(lines[2], "Time", time) || !TakeValue(lines[3], "Length", length) ||
        !TakeValue(lines[4], "Check", check))
        return false;
    RecoveryRecord read;
    read.projectBytes = bytes.substr(end + 2);
    char checkText[17];
    std::snprintf(checkText, sizeof checkText, "%016" PRIx64, Checksum(read.projectBytes));
    long long seconds = 0;
    if (length != std::to_string(read.projectBytes.size()) || check != checkText ||
        std::sscanf(time.c_str(), "%lld", &seconds) != 1 || !UnescapePath(path, read.projectPath))
        return false;
    read.savedAt = static_cast<std::time_t>(seconds);
    record = std::move(read);
    return true;
}
