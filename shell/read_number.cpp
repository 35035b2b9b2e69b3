#include "shell/read_number.h"

#include <climits>
#include <cstdint>

int ReadLeadingNumber(const char* text) {
    if (text == nullptr) return 0;
    while (*text == ' ' || *text == '\t')
        ++text;
    bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    int64_t value = 0;
    for (; *text >= '0' && *text <= '9'; ++text)
        if (value <= INT_MAX) value = value * 10 + (*text - '0');
    if (negative) value = -value;
    return value > INT_MAX ? INT_MAX : (value < INT_MIN ? INT_MIN : static_cast<int>(value));
}
