// 8-bit text in a code page that may have double-byte characters: cutting it never splits one.
#pragma once

typedef bool (*LeadBytePredicate)(unsigned char byte);

bool NoLeadBytes(unsigned char byte); // single-byte code pages

// The length in bytes of the longest prefix of whole characters that is at most maxBytes long.
int WholeCharacterPrefix(const char* text, int maxBytes, LeadBytePredicate isLeadByte);

// Copies at most capacity - 1 bytes of whole characters and terminates; returns the length.
int CopyWholeCharacters(char* out, int capacity, const char* text, LeadBytePredicate isLeadByte);
