#include "shell/status_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FormatStatusField, CentresOnCharacter18) {
    struct Case {
        const char* text;
        int pad;
    } cases[] = {
        {"24-bit color", 12}, // 18 - 12/2
        {"32-bit color", 12},
        {"Input text", 13},
        {"", 18},
        {"Click the second point", 7},
        {"x", 18},                                    // 1/2 truncates to 0
        {"0123456789012345678901234567890123456", 0}, // 18 - 37/2 < 0
    };
    for (const Case& c : cases) {
        char field[STATUS_FIELD_SIZE];
        FormatStatusField(c.text, field);
        EXPECT_EQ(std::string(field), std::string(c.pad, ' ') + c.text) << c.text;
        EXPECT_EQ(field[STATUS_FIELD_SIZE - 1], '\0');
    }
}

TEST(FormatStatusField, CutsATextLongerThanTheField) {
    std::string longText(100, 'a');
    char field[STATUS_FIELD_SIZE];
    FormatStatusField(longText.c_str(), field);
    EXPECT_EQ(std::string(field), std::string(63, 'a'));
}

} // namespace
