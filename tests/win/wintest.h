// A small test harness for the Windows tests under Wine (GoogleTest needs std::mutex, which the
// win32-thread MinGW lacks). A test program runs one named case, or all, and closes with the line
// "N passed, N failed".
#pragma once

#include <cstdio>
#include <string>

typedef void (*WinTestFunction)();
int RegisterWinTest(const char* name, WinTestFunction function);
void WinTestFail(const char* file, int line, const std::string& what);
bool WinTestCaseFailed();
// Runs the named case, or every case for a null filter; returns the process exit code.
int RunWinTests(const char* filter);

std::string WinTestFormat(long long value);
std::string WinTestFormat(const std::string& value);
std::string WinTestFormat(const char* value);

#define WT_CASE(name)                                                                                                  \
    static void name();                                                                                                \
    static const int name##Registered = RegisterWinTest(#name, name);                                                  \
    static void name()

#define WT_CHECK(condition)                                                                                            \
    do {                                                                                                               \
        if (!(condition)) WinTestFail(__FILE__, __LINE__, "CHECK(" #condition ")");                                    \
    } while (0)

#define WT_CHECK_EQ(actual, expected)                                                                                  \
    do {                                                                                                               \
        auto actualValue = (actual);                                                                                   \
        auto expectedValue = (expected);                                                                               \
        if (!(actualValue == expectedValue))                                                                           \
            WinTestFail(__FILE__, __LINE__,                                                                            \
                        #actual " == " #expected ": got " + WinTestFormat(actualValue) + ", expected " +               \
                            WinTestFormat(expectedValue));                                                             \
    } while (0)

// Ends the case at once when the condition fails (later checks would only repeat the failure).
#define WT_REQUIRE(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            WinTestFail(__FILE__, __LINE__, "REQUIRE(" #condition ")");                                                \
            return;                                                                                                    \
        }                                                                                                              \
    } while (0)
