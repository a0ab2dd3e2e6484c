// The ".rsk" file's grammar, kept in one place for its reader and its writer: which comment lines
// stand before each data line and which fields the line holds, in order.
#pragma once

#include <QList>

#include "data/RiskData.h"

// One value of a numeric data line.
struct RiskFileItem {
    enum class Kind {
        Code,          // an integer, read as 1 when it is 1 and as 2 otherwise
        LossFunction,  // an integer kept only when it is 1, 2 or 3
        Real,          // a double, written with "%g"
        Placeholder,   // always written as "0.0" and never stored
    };
    Kind kind;
    int RiskData::*code = nullptr;
    double RiskData::*real = nullptr;
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
