// Numbers taken one after another from a line of text with the C library's scan conversions, so
// that calls for "%d", "%d", "%lf" read a line as "%d %d %lf" does: leading white space skipped,
// text after the last number ignored. Callers hold a ScopedCLocale so "." is the decimal point on
// every desktop.
#pragma once

#include <QByteArray>

class LineScanner {
public:
    // `line` must outlive the scanner.
    explicit LineScanner(const QByteArray& line) : rest(line.constData()) {}

    bool integer(int& value);
    // Any number "%lf" converts, "nan" and "inf" included.
    bool real(double& value);
    // A real that is a finite number; `value` is left alone otherwise.
    bool finiteReal(double& value);
    // Passes over a number without storing it, as "%*lf" does.
    bool skipReal();

private:
    // Scans `format`, which ends in "%n", into `targets` (none for a suppressed conversion).
    template <typename... Targets>
    bool scan(const char* format, Targets*... targets);

    const char* rest;
};
