// Numbers the user types. A table cell or a dialog field takes the number its text begins with, the
// way the C library's scanners read them: "3.5abc" is 3.5, "abc" is 0. A field of a form takes its
// whole text as one number. Either way a value must be one the project file can keep and read back:
// finite and no larger than its reader takes. The C locale always applies, so a decimal point is a
// point whatever the user's language.
#pragma once

#include <QString>
#include <optional>

namespace zelm {

// What a form or page says when a field's text is not a number.
inline const QString kNotANumberPrompt = QStringLiteral("Please enter a number.");

// The integer the text begins with (after blanks, with an optional sign); 0 when there is none.
// Values beyond the range of int are held at its ends.
int leadingInteger(const QString& text);

// The real number the text begins with (after blanks, with an optional sign); 0 when none.
double leadingReal(const QString& text);

// The whole text as one real number, blanks around it allowed; nothing when anything else is in
// the text, it is empty, or the number is not finite or larger in size than `largest`. This is how
// a numeric field of a form is validated.
std::optional<double> wholeReal(const QString& text, double largest);

// The real number a table cell's text begins with, 0 when it begins with none; nothing when that
// number is not finite or larger in size than `largest` ("inf", "nano", "1e999").
std::optional<double> cellReal(const QString& text, double largest);

// A real number for a field of a form, with the digits the project file keeps ("%g"), so a value
// converted between units shows as 4, not 3.99999988416.
QString formatFieldReal(double value);

}  // namespace zelm
