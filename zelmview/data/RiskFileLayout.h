// The ".rsk" file's grammar, kept in one place for its reader and its writer: which comment lines
// stand before each data line and which fields the line holds, in order, and the lines that
// describe the project above them all.
#pragma once

#include <QList>

#include "data/RiskData.h"

// One value of a numeric data line.
struct RiskFileItem {
    enum class Kind {
        Code,         // an integer, the number that stands for one of the project's codes
        Real,         // a double, written with "%g"
        Placeholder,  // always written as "0.0" and never stored
    };
    Kind kind;
    double RiskData::*real = nullptr;
    // A code's number as the file keeps it, and the code that a number read from the file stands
    // for: a two-way code takes 1 for its first choice and any other number for its second; the
    // loss function keeps its choice unless the number is 1, 2 or 3.
    int (*storedCode)(const RiskData&) = nullptr;
    void (*readCode)(RiskData&, int) = nullptr;
};

struct RiskFileLine {
    QList<const char*> comments;
    QList<RiskFileItem> items;
};

// Data lines 1 to 9, the lines of numbers.
const QList<RiskFileLine>& riskFileNumberLines();

// The comment lines before data line 10, the crop name and the pipe type.
const QList<const char*>& riskFileCropLineComments();

// The comment lines before the first row of the pipe cost table.
const QList<const char*>& riskFilePipeTableComments();

// The project's comment from the comment lines above data line 1: those before the file's own
// "#LINE 1:" block, each without its "#" and one blank after it, with no empty lines at either end.
QString riskFileDescription(const QList<QByteArray>& commentLines);

// The comment lines that describe the project, for above data line 1: each line of `comment` after
// "# ", then a "#" line that sets them apart; none for an empty comment.
QList<QByteArray> riskFileDescriptionLines(const QString& comment);
