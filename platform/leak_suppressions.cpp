// SPDX-License-Identifier: MIT
// Built into the program only under the sanitizers. The system's D-Bus
// library keeps one buffer that it allocates while SDL starts and never
// frees; that is the library's business, not a leak of ours. No other leak
// is suppressed.

extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libdbus-1.so\n";
}

// The leak checker would list the suppressions it used on stderr at exit,
// after the program's own lines, which the tests count.
extern "C" const char* __lsan_default_options()
{
    return "print_suppressions=0";
}
