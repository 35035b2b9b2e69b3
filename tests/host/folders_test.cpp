#include "shell/folders.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(EnsureTrailingBackslash, AddsOneUnlessPresent) {
    struct Case {
        std::u16string path, expected;
    } cases[] = {
        {u"C:\\work", u"C:\\work\\"},
        {u"C:\\", u"C:\\"}, // a drive root keeps its single backslash
        {u"\\\\server\\share\\", u"\\\\server\\share\\"},
        {u"D:\\Bilder\\3D", u"D:\\Bilder\\3D\\"},
    };
    for (const Case& c : cases) {
        char16_t buffer[260] = {};
        std::copy(c.path.begin(), c.path.end(), buffer);
        EXPECT_EQ(EnsureTrailingBackslash(buffer, 260), 0);
        EXPECT_EQ(std::u16string(buffer), c.expected);
    }
}

TEST(EnsureTrailingBackslash, RefusesWhenTheBufferIsFull) {
    char16_t buffer[6] = u"C:\\ab"; // five characters and the terminator fill it
    EXPECT_EQ(EnsureTrailingBackslash(buffer, 6), 1);
    EXPECT_EQ(std::u16string(buffer), u"C:\\ab");

    char16_t unterminated[3] = {u'a', u'b', u'c'};
    EXPECT_EQ(EnsureTrailingBackslash(unterminated, 3), 1);
}

TEST(EnsureTrailingBackslash, WorksOnNarrowText) {
    char buffer[16] = "E:\\logs";
    EXPECT_EQ(EnsureTrailingBackslash(buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "E:\\logs\\");
}

} // namespace
