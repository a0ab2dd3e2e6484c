// Line-by-line reading of the text files of the risk side: each line without its line end (LF, or
// CR LF), of any length, numbered from 1 as an editor shows it. A last line without a line end is
// a line like any other.
#pragma once

#include <QByteArray>
#include <QList>
#include <optional>

class QIODevice;

class TextLineReader {
public:
    explicit TextLineReader(QIODevice& device) : device(device) {}

    // The next line, or std::nullopt at the end of the file.
    std::optional<QByteArray> next();

    // The next line that does not begin with "#". A line with blanks before the "#", and an empty
    // line, are data lines. The comment lines passed over are added to `comments` when given.
    std::optional<QByteArray> nextData(QList<QByteArray>* comments = nullptr);

    // The number of the line last returned, counted from 1; 0 before the first.
    int lineNumber() const { return number; }

private:
    QIODevice& device;
    int number = 0;
};

// `text` without the C white space (blanks, tabs, line ends, vertical tabs, form feeds) at its end.
QByteArray withoutTrailingSpace(QByteArray text);
