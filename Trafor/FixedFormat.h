// The fixed-column fields of the report and the daily file: In (integer), Fw.d (real), nX
// (blanks) and An (text), all right-justified but text, which is left-justified. A number that
// does not fit fills its field with asterisks, unless the field is one that a reader takes
// numbers from: there it stops the run with a ModelError that names the quantity.
#pragma once

#include <functional>
#include <string>

namespace zelm {

class FixedLine {
public:
    FixedLine& X(int n);
    FixedLine& I(int value, int w);
    FixedLine& F(double value, int w, int d);
    // Fw.d for a value that must be shown in full; `quantity` names it in the error ("DRAIN SPACING").
    FixedLine& Fread(double value, int w, int d, const std::function<std::string()>& quantity);
    FixedLine& A(const std::string& text, int n);
    FixedLine& text(const std::string& text);

    const std::string& str() const { return line_; }

private:
    std::string line_;
};

std::string formatI(int value, int w);
// Rounds the exact binary value to the nearest decimal, ties to the even digit; the zero before
// the point is dropped only when the field has no room for it.
std::string formatF(double value, int w, int d);
std::string formatA(const std::string& text, int n);

// Whether Fw.d shows the value in full (finite, and no asterisks).
bool fitsF(double value, int w, int d);
// The largest and the smallest value Fw.d shows, as it shows them: "9999.999", "-999.999".
std::string largestF(int w, int d);
std::string smallestF(int w, int d);
// The error of a value that does not fit Fw.d, naming the quantity, the value and the range.
std::string misfitMessage(const std::string& quantity, double value, int w, int d);

}  // namespace zelm
