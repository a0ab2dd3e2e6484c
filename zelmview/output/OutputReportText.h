// The text of the output view: the model's report and, for a project with the bench and
// bottomland flag, the seasonal high water table with the three events it was taken from and the
// depths used, each dated in 1981.
#pragma once

#include <QString>

class CZELMOutputDoc;

namespace zelm {

// Where the text goes: the screen (each report line stripped of trailing blanks, CR LF line ends)
// or a file (the report as it stands, LF line ends).
enum class ReportTarget { Screen, File };

// Builds the text. An event that is not in the project's event list or the daily file's list of
// build-ups ends the summary there after one message; the text built so far is returned.
QString FillReport(CZELMOutputDoc& document, ReportTarget target);

// "January 05": the full month name and the two-digit day of an event.
QString formatEventDate(int month, int day);

}  // namespace zelm
