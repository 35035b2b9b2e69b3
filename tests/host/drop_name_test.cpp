#include "shell/drop_name.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool ShiftJisLead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

TEST(FormatDropName, SlotAndFileName) {
    char name[DROP_NAME_CAPACITY];
    FormatDropName(name, 0, "photo.jpg", NoLeadBytes);
    EXPECT_STREQ(name, "000 photo.jpg");
    FormatDropName(name, 255, "c.bmp", NoLeadBytes);
    EXPECT_STREQ(name, "255 c.bmp");
    FormatDropName(name, 12, "with blanks.png", NoLeadBytes);
    EXPECT_STREQ(name, "012 with blanks.png");
}

TEST(FormatDropName, LongFileNamesAreShortenedToFit) {
    char name[DROP_NAME_CAPACITY];
    std::string longName(300, 'x');
    FormatDropName(name, 7, longName.c_str(), NoLeadBytes);
    EXPECT_EQ(std::string(name), "007 " + std::string(251, 'x'));

    std::string pairs = "a"; // an odd start, so the 251-byte limit falls inside a pair
    for (int i = 0; i < 200; ++i)
        pairs += "\x82\xa0";
    FormatDropName(name, 7, pairs.c_str(), ShiftJisLead);
    std::string got(name);
    EXPECT_EQ(got.size(), 4u + 251u);
    EXPECT_EQ(got.substr(0, 5), "007 a");
    EXPECT_EQ((got.size() - 5) % 2, 0u) << "whole pairs only";
}

} // namespace
