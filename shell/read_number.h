// Numbers typed in answer to a prompt.
#pragma once

// The number a text begins with: blanks, an optional sign, digits; 0 when there is none, and the
// nearest int when it is too large for one.
int ReadLeadingNumber(const char* text);
