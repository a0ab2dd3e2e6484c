#include "ListDirectedReader.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace zelm {

namespace {

bool isSeparator(char c)
{
    return c == ' ' || c == '\t' || c == ',';
}

void appendTokens(const std::string& line, std::vector<std::string>& tokens, std::size_t count)
{
    std::size_t pos = 0;
    while (tokens.size() < count) {
        while (pos < line.size() && isSeparator(line[pos])) ++pos;
        if (pos >= line.size()) return;
        std::size_t end = pos;
        while (end < line.size() && !isSeparator(line[end])) ++end;
        tokens.push_back(line.substr(pos, end - pos));
        pos = end;
    }
}

bool isDigits(const std::string& text, std::size_t from, std::size_t to)
{
    if (from >= to) return false;
    for (std::size_t i = from; i < to; ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    return true;
}

std::size_t skipSign(const std::string& text, std::size_t pos)
{
    return pos < text.size() && (text[pos] == '+' || text[pos] == '-') ? pos + 1 : pos;
}

// A real in the forms 12, 12., .5, 1.5e-05 or 1.5D-05; no hexadecimal, no words.
bool isRealForm(const std::string& text)
{
    std::size_t pos = skipSign(text, 0);
    std::size_t mantissaEnd = text.find_first_of("eEdD", pos);
    if (mantissaEnd == std::string::npos) mantissaEnd = text.size();
    std::size_t point = text.find('.', pos);
    bool hasDigits;
    if (point != std::string::npos && point < mantissaEnd) {
        bool before = point > pos && isDigits(text, pos, point);
        bool after = mantissaEnd > point + 1 && isDigits(text, point + 1, mantissaEnd);
        bool beforeOk = point == pos || before;
        bool afterOk = mantissaEnd == point + 1 || after;
        hasDigits = (before || after) && beforeOk && afterOk;
    } else {
        hasDigits = isDigits(text, pos, mantissaEnd);
    }
    if (!hasDigits) return false;
    if (mantissaEnd == text.size()) return true;
    return isDigits(text, skipSign(text, mantissaEnd + 1), text.size());
}

}  // namespace

ListDirectedReader::ListDirectedReader(std::istream& in) : in_(in) {}

// Reads up to the next LF. A line longer than kMaxLineBytes is passed over to its end without
// being kept, and the file then counts as ended: no line of a project is anywhere near as long.
bool ListDirectedReader::readFromStream(std::string& line)
{
    line.clear();
    if (overlong_) return false;
    std::streambuf* buffer = in_.rdbuf();
    bool any = false;
    for (int c = buffer->sbumpc(); c != std::char_traits<char>::eof(); c = buffer->sbumpc()) {
        any = true;
        if (c == '\n') break;
        if (line.size() < kMaxLineBytes)
            line.push_back(static_cast<char>(c));
        else
            overlong_ = true;
    }
    if (overlong_) {
        line.clear();
        return false;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return any;
}

const std::string* ListDirectedReader::peek()
{
    if (!peeked_) {
        std::string line;
        if (!readFromStream(line)) return nullptr;
        peeked_ = std::move(line);
    }
    return &*peeked_;
}

bool ListDirectedReader::readLine(std::string& line)
{
    if (!peek()) return false;
    line = std::move(*peeked_);
    peeked_.reset();
    return true;
}

void ListDirectedReader::SKIPN()
{
    for (const std::string* line = peek(); line; line = peek()) {
        bool comment = !line->empty() && ((*line)[0] == '#' || (*line)[0] == 'c' || (*line)[0] == 'C');
        if (!comment) return;
        peeked_.reset();
    }
}

std::optional<std::vector<std::string>> ListDirectedReader::readValues(std::size_t count)
{
    std::vector<std::string> tokens;
    std::string line;
    while (tokens.size() < count) {
        if (!readLine(line)) return std::nullopt;
        appendTokens(line, tokens, count);
    }
    return tokens;
}

std::optional<int> parseListInteger(const std::string& text)
{
    std::size_t digits = skipSign(text, 0);
    if (!isDigits(text, digits, text.size())) return std::nullopt;
    errno = 0;
    long value = std::strtol(text.c_str(), nullptr, 10);
    if (errno == ERANGE || value > INT_MAX || value < INT_MIN) return std::nullopt;
    return static_cast<int>(value);
}

std::optional<float> parseListReal(const std::string& text)
{
    if (!isRealForm(text)) return std::nullopt;
    std::string cText = text;
    for (char& c : cText)
        if (c == 'd' || c == 'D') c = 'e';
    float value = std::strtof(cText.c_str(), nullptr);
    if (std::isinf(value)) return std::nullopt;  // beyond single precision
    return value;
}

}  // namespace zelm
