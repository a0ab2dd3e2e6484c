#include "ReportText.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace uncertainty {

std::string dotted(const std::string& label, std::size_t width)
{
    std::string text = label + ' ';
    const std::size_t dots = text.size() + 2 <= width ? width - text.size() : 2;
    return text + std::string(dots, '.');
}

std::string printable(std::string name)
{
    for (char& c : name)
        if (std::iscntrl(static_cast<unsigned char>(c))) c = '?';
    return name;
}

void ReportText::heading(const std::string& title)
{
    line(" " + title);
    line(" " + std::string(title.size(), '-'));
    line();
}

void ReportText::item(const std::string& label, const std::string& value, std::size_t valueColumn)
{
    line(dotted("    " + label, valueColumn) + ' ' + value);
}

void ReportText::paragraph(const std::string& words, const std::string& indent, std::size_t width)
{
    std::istringstream in(words);
    std::string word;
    std::string current = indent;
    while (in >> word) {
        if (current.size() > indent.size() && current.size() + 1 + word.size() > width) {
            line(current);
            current = indent;
        }
        if (current.size() > indent.size()) current += ' ';
        current += word;
    }
    if (current.size() > indent.size()) line(current);
}

void ReportText::columns(const std::vector<std::vector<std::string>>& rows, const std::string& indent)
{
    std::vector<std::size_t> widths;
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (widths.size() <= c) widths.push_back(0);
            widths[c] = std::max(widths[c], row[c].size());
        }
    for (const auto& row : rows) {
        std::string text = indent;
        for (std::size_t c = 0; c < row.size(); ++c) {
            text += row[c];
            if (c + 1 < row.size()) text += std::string(widths[c] - row[c].size() + 2, ' ');
        }
        line(text);
    }
}

}  // namespace uncertainty
