// The text helpers of the table's paste: pasted text is cut into cell values at tabs and line
// ends, each value loses the blanks around it, and a line of a table of numbers counts when a value
// begins with a number.
#pragma once

#include <QString>
#include <QStringList>

namespace zelm {

// The pieces of `text` between any of the `delimiters` characters; empty pieces are dropped, so
// an empty cell in the text does not produce a value.
QStringList SplitTokens(const QString& text, const QString& delimiters);

// `text` without leading and trailing blanks, tabs, CR and LF.
QString TrimText(const QString& text);

// Whether `text` begins with a number, after blanks and a sign: a digit, or a point and a digit.
bool beginsWithNumber(const QString& text);

}  // namespace zelm
