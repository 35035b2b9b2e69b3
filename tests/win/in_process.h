// What the in-process tests share: they run as the application, on the program thread, so while
// they wait they keep the windows they own working.
#pragma once

void PumpBriefly();    // dispatches what is pending, then waits a few milliseconds for more
void CloseAllImages(); // every image window closed, and their messages handled
