// The test runner's entry: wintest [CASE] runs the named case, or every case; --list names them.
#include "tests/win/wintest.h"

int main(int argc, char** argv) { return RunWinTests(argc > 1 ? argv[1] : nullptr); }
