// Project files always use "." as the decimal point, but a Qt application takes the user's locale
// for the C library at start-up. Readers and writers hold a ScopedCLocale while they scan or print
// numbers, so "%lf" and "%g" mean the same on every desktop. It affects the calling thread only.
#pragma once

#include <locale.h>

class ScopedCLocale {
public:
    ScopedCLocale();
    ~ScopedCLocale();
    ScopedCLocale(const ScopedCLocale&) = delete;
    ScopedCLocale& operator=(const ScopedCLocale&) = delete;

private:
    locale_t cLocale;
    locale_t previous;
};
