// The entry point of the tamek executable.
#include "app/CRobotApp.h"
#include "app/Language.h"

wxIMPLEMENT_APP_NO_MAIN(MyApp);

int main(int argc, char** argv)
{
    SpeakDutchToTheSystem(); // GTK reads its language when the toolkit starts
    return wxEntry(argc, argv);
}
