// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers

// LeakSanitizer of Debian 12's GCC crashes at exit reading the dynamic
// thread-local storage of this binary's libraries ("Tracer caught signal
// 11"), so here it leaves thread-local storage unscanned. GLib's per-thread
// block, which only thread-local storage points to, then looks lost. The
// sanitizer calls these when it is linked in; otherwise nothing does.
extern "C" const char* __lsan_default_options() {
    return "use_tls=0";
}
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libglib-2.0.so\n";
}
