// The entry point of the tamek executable. "tamek --version" answers without a display.
#include "app/CRobotApp.h"
#include "app/Language.h"

#include <cstdio>
#include <cstring>

wxIMPLEMENT_APP_NO_MAIN(MyApp);

int main(int argc, char** argv)
{
    if (argc == 2 && !std::strcmp(argv[1], "--version")) {
        std::printf("tamek %s\n", TAMEK_VERSION);
        return 0;
    }
    SpeakDutchToTheSystem(); // GTK reads its language when the toolkit starts
    return wxEntry(argc, argv);
}
