#include "shell/status_text.h"

#include <cstring>

void FormatStatusField(const char* text, char field[STATUS_FIELD_SIZE]) {
    std::memset(field, ' ', STATUS_FIELD_SIZE);
    field[STATUS_FIELD_SIZE - 1] = '\0';
    int length = static_cast<int>(std::strlen(text));
    int pad = 18 - length / 2;
    if (pad < 0) pad = 0;
    if (pad > STATUS_FIELD_SIZE - 1) pad = STATUS_FIELD_SIZE - 1;
    int room = STATUS_FIELD_SIZE - 1 - pad;
    if (length > room) length = room;
    std::memcpy(field + pad, text, static_cast<size_t>(length));
    field[pad + length] = '\0';
}
