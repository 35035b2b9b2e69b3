#pragma once

enum { STATUS_FIELD_SIZE = 64 };

// Lays a status text into a 64-byte field: blanks, then the text roughly centred on character 18.
// A text too long for the field is cut so that the field always ends with its terminator.
void FormatStatusField(const char* text, char field[STATUS_FIELD_SIZE]);
