// The application's entry points. The stereo conversion is built on top of the framework here;
// until then the program starts, idles and runs an empty application on Start.
#include "pelori.h"

void AppSetup() {}

void AppMain() {}
