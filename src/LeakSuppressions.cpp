// The leak checker's suppressions, built into the program and the command line so that a
// build with AddressSanitizer ends cleanly however it is started (tests/sanitizer/lsan.supp
// reaches only what ctest starts with it). Without the sanitizer nothing calls this.

// fontconfig keeps its configuration and pattern caches for the life of the process (cairo
// asks it for the PDF's font; Qt for the window's); nothing of ours holds them.
extern "C" const char* __lsan_default_suppressions();  // NOLINT(bugprone-reserved-identifier)
extern "C" const char* __lsan_default_suppressions() { // NOLINT(bugprone-reserved-identifier)
    return "leak:libfontconfig.so\n";
}

// The program's error output stays its own: no list of the suppressions used at the end.
extern "C" const char* __lsan_default_options();  // NOLINT(bugprone-reserved-identifier)
extern "C" const char* __lsan_default_options() { // NOLINT(bugprone-reserved-identifier)
    return "print_suppressions=0";
}
