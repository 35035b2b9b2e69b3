#include "tests/win/wintest.h"

#include <cstdlib>
#include <cstring>
#include <type_traits>

namespace {

struct WinTestCase {
    const char* name;
    WinTestFunction function;
};

WinTestCase cases[128];
int caseCount;
bool currentFailed;

} // namespace

// Registration runs before main: a case that cannot be registered ends the program at once, so it
// is never silently missing from a run.
int RegisterWinTest(const char* name, WinTestFunction function) {
    for (int i = 0; i < caseCount; ++i)
        if (std::strcmp(cases[i].name, name) == 0) {
            std::fprintf(stderr, "wintest: the case %s is registered twice\n", name);
            std::abort();
        }
    if (caseCount == static_cast<int>(std::extent<decltype(cases)>::value)) {
        std::fprintf(stderr, "wintest: no room for the case %s; raise the size of the case table\n", name);
        std::abort();
    }
    cases[caseCount++] = {name, function};
    return caseCount;
}

void WinTestFail(const char* file, int line, const std::string& what) {
    currentFailed = true;
    std::printf("%s:%d: failure: %s\n", file, line, what.c_str());
    std::fflush(stdout);
}

bool WinTestCaseFailed() { return currentFailed; }

std::string WinTestFormat(long long value) { return std::to_string(value); }
std::string WinTestFormat(const std::string& value) { return "\"" + value + "\""; }
std::string WinTestFormat(const char* value) { return WinTestFormat(std::string(value ? value : "(null)")); }

int RunWinTests(const char* filter) {
    if (filter != nullptr && std::strcmp(filter, "--list") == 0) {
        for (int i = 0; i < caseCount; ++i)
            std::printf("%s\n", cases[i].name);
        return 0;
    }
    int passed = 0, failed = 0;
    for (int i = 0; i < caseCount; ++i) {
        if (filter != nullptr && std::strcmp(filter, cases[i].name) != 0) continue;
        currentFailed = false;
        std::printf("[ RUN      ] %s\n", cases[i].name);
        std::fflush(stdout);
        cases[i].function();
        std::printf("%s %s\n", currentFailed ? "[  FAILED  ]" : "[       OK ]", cases[i].name);
        std::fflush(stdout);
        (currentFailed ? failed : passed)++;
    }
    if (passed + failed == 0) {
        std::printf("no case named %s\n", filter != nullptr ? filter : "(any)");
        return 1;
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    std::fflush(stdout);
    return failed == 0 ? 0 : 1;
}
