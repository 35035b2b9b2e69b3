#include "shell/narrow_text.h"

#include <cstring>

bool NoLeadBytes(unsigned char) { return false; }

int WholeCharacterPrefix(const char* text, int maxBytes, LeadBytePredicate isLeadByte) {
    int length = 0;
    while (text[length] != '\0') {
        int bytes = (isLeadByte(static_cast<unsigned char>(text[length])) && text[length + 1] != '\0') ? 2 : 1;
        if (length + bytes > maxBytes) break;
        length += bytes;
    }
    return length;
}

int CopyWholeCharacters(char* out, int capacity, const char* text, LeadBytePredicate isLeadByte) {
    if (capacity <= 0) return 0;
    int length = WholeCharacterPrefix(text, capacity - 1, isLeadByte);
    std::memcpy(out, text, static_cast<size_t>(length));
    out[length] = '\0';
    return length;
}
