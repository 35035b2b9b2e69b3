// The application's parameters, at the values every run starts with.
#include "app/stereo.h"

StereoParameters stereo = {10, 9, 100, 0.3, 1.0};
