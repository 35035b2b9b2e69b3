#pragma once

#include "shell/narrow_text.h"

enum { DROP_NAME_CAPACITY = 256 };

// The name of a dropped picture's window: "%03d %s" with the slot and the file name, the file
// name shortened at a character boundary when the whole would not fit in 255 bytes.
void FormatDropName(char name[DROP_NAME_CAPACITY], int slot, const char* fileName, LeadBytePredicate isLeadByte);
