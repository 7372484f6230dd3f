#pragma once
// The folder where one user's programs meet: the running Tamek's lock and socket, the virtual
// robot's socket. $XDG_RUNTIME_DIR (per user, closed to others) when it names a folder, else
// /tmp/tamek-UID, which the first program that needs it makes. A folder that is a link, belongs to
// another user or that others may enter is never used: someone else could stand in for a program.

#include <string>

// This user's runtime folder, not yet checked (see IsPrivateFolder).
std::string UserRuntimeFolder();
// The folder is this user's own and closed to others; false with the reason otherwise.
bool IsPrivateFolder(const std::string& folder, std::string* why = nullptr);
// Makes the folder (mode 0700) when it is missing, then checks it as IsPrivateFolder does.
bool MakePrivateFolder(const std::string& folder, std::string* why = nullptr);
