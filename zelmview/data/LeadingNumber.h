// Numbers typed into cells and dialog fields are taken from the start of the text, the way the
// C library's scanners read them: "3.5abc" is 3.5, "abc" is 0. The C locale always applies, so a
// decimal point is a point whatever the user's language.
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

// The whole text as one finite real number, blanks around it allowed; nothing when anything else
// is in the text, it is empty, or it is not finite. This is how a numeric field of a form is validated.
std::optional<double> wholeReal(const QString& text);

// A real number for a field of a form, with the digits the project file keeps ("%g"), so a value
// converted between units shows as 4, not 3.99999988416.
QString formatFieldReal(double value);

}  // namespace zelm
