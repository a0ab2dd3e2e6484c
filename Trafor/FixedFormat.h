// The fixed-column fields of the report and the daily file: In (integer), Fw.d (real), nX
// (blanks) and An (text), all right-justified but text, which is left-justified. A number that
// does not fit fills its field with asterisks.
#pragma once

#include <string>

namespace zelm {

class FixedLine {
public:
    FixedLine& X(int n);
    FixedLine& I(int value, int w);
    FixedLine& F(double value, int w, int d);
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

}  // namespace zelm
