// The probe's record of line reads: the link routes PLR_ReadLine through this wrapper, so the
// runner can tell when a dialog has begun to wait for its next answer.
#include "tests/win/probe_hook.h"

extern "C" void __real__Z12PLR_ReadLinePc(char* buffer);

extern "C" void __wrap__Z12PLR_ReadLinePc(char* buffer) {
    ProbeLog("read begins");
    __real__Z12PLR_ReadLinePc(buffer);
    ProbeLog("read ends %s", buffer != nullptr ? buffer : "");
}
