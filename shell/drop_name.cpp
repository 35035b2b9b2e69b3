#include "shell/drop_name.h"

#include <cstdio>

void FormatDropName(char name[DROP_NAME_CAPACITY], int slot, const char* fileName, LeadBytePredicate isLeadByte) {
    int prefix = snprintf(name, DROP_NAME_CAPACITY, "%03d ", slot);
    if (prefix < 0 || prefix >= DROP_NAME_CAPACITY) prefix = 0;
    CopyWholeCharacters(name + prefix, DROP_NAME_CAPACITY - prefix, fileName, isLeadByte);
}
