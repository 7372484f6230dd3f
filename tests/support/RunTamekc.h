#pragma once
// Runs the built tamekc (TAMEKC_PATH) with arguments and collects its exit status and both outputs.

#include "support/ProjectText.h"

#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <wx/filename.h>

namespace testing_support {

struct TamekcResult
{
    int status = -1;
    std::string out, err;
};

// Runs tamekc with arguments (as a shell reads them), in directory when one is given, after an
// environment prefix when one is given ("env -u DISPLAY ").
inline TamekcResult Tamekc(const std::string& arguments, const std::string& directory = std::string(),
                           const std::string& environment = std::string())
{
    const std::string errPath = wxFileName::CreateTempFileName("tamekc-err").ToStdString();
    const std::string command = (directory.empty() ? std::string() : "cd '" + directory + "' && ") + environment + "'" +
                                TAMEKC_PATH + "' " + arguments + " 2>'" + errPath + "'";
    TamekcResult run;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t got;
        while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            run.out.append(buffer, got);
        const int raw = pclose(pipe);
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    run.err = DataFile(errPath);
    std::remove(errPath.c_str());
    return run;
}

} // namespace testing_support
