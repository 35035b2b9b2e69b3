#include "pelori.h"

RunState runState;
