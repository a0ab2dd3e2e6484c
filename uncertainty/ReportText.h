// A report under construction: lines, headings underlined with dashes, and dotted label lines
// whose value stands at a fixed column.
#pragma once

#include <string>
#include <vector>

namespace uncertainty {

class ReportText {
public:
    void line(const std::string& text = "") { text_ += text + '\n'; }
    // A title, a rule of dashes under it, and a blank line.
    void heading(const std::string& title);
    // "label ....... value": the value starts after column `valueColumn`.
    void item(const std::string& label, const std::string& value, std::size_t valueColumn = 58);
    // Words wrapped after `width` columns, each line beginning with `indent`.
    void paragraph(const std::string& words, const std::string& indent = "  ", std::size_t width = 78);
    // Rows of cells, each column as wide as its widest cell plus two, left-justified after `indent`.
    void columns(const std::vector<std::vector<std::string>>& rows, const std::string& indent = "    ");

    const std::string& str() const { return text_; }

private:
    std::string text_;
};

// A label followed by dots up to `width` characters (at least two dots after one blank).
std::string dotted(const std::string& label, std::size_t width);

// A name from outside (a file or crop name) fit for one line of the report: each control character
// (a line end among them, which could start a line that reads like a section heading) becomes "?".
std::string printable(std::string name);

}  // namespace uncertainty
