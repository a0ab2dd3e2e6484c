// The text of a model report as its window shows it, or as it is handed to the word processor.
#pragma once

#include <QString>

enum class ReportTextMode {
    Display,  // line by line without trailing white space, each line ended by CR LF
    Copy,     // the file's text as it stands, cut at a byte limit
};

// The text of the report at `path`; in Copy mode at most `copyLimit` bytes, never ending inside a
// character. A report that cannot be opened gives "ReadData: Unable to open ZELM output file "
// with the path and an empty text.
QString loadReportText(const QString& path, ReportTextMode mode, qint64 copyLimit);
