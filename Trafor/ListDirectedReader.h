// Sequential reading of the ".TRN" file the way the model has always read it: whole lines for
// texts, and free-format numbers separated by blanks or commas, where one read goes on to the next
// line until it has all its values and drops the rest of its last line. The file is read one line
// at a time, with at most one line read ahead, so its size does not matter.
#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace zelm {

class ListDirectedReader {
public:
    // Lines longer than this end the file; overlong() tells such a file from one that ended.
    static constexpr std::size_t kMaxLineBytes = 1 << 20;

    explicit ListDirectedReader(std::istream& in);

    // The next line without its line end (LF or CR LF); false at the end of the file.
    bool readLine(std::string& line);

    // SKIPN: passes over lines whose first character is '#', 'c' or 'C' and leaves the reader on
    // the first other line. The end of the file ends the skip quietly.
    void SKIPN();

    // One list-directed read of `count` values. Returns nothing when the file ends before the read
    // has all its values.
    std::optional<std::vector<std::string>> readValues(std::size_t count);

    bool overlong() const { return overlong_; }

private:
    bool readFromStream(std::string& line);
    const std::string* peek();  // the next line, read ahead; null at the end

    std::istream& in_;
    std::optional<std::string> peeked_;
    bool overlong_ = false;
};

// Free-format number conversions; nothing when the text is not such a number.
std::optional<int> parseListInteger(const std::string& text);
std::optional<float> parseListReal(const std::string& text);

}  // namespace zelm
