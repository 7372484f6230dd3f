// The entry point of the tamek executable.
#include "app/CRobotApp.h"

wxIMPLEMENT_APP(MyApp);
