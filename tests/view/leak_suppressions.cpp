// The leak checker of the sanitizer build: fontconfig keeps caches it never frees (Qt's font database asks it
// once per process). They are not leaks of this program.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
