// Sequential reading of the ".TRN" file the way the model has always read it: whole lines for
// texts, and free-format numbers separated by blanks or commas, where one read goes on to the next
// line until it has all its values and drops the rest of its last line.
#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace zelm {

class ListDirectedReader {
public:
    explicit ListDirectedReader(std::istream& in);

    // The next line without its line end (LF or CR LF); false at the end of the file.
    bool readLine(std::string& line);

    // SKIPN: passes over lines whose first character is '#', 'c' or 'C' and leaves the reader on
    // the first other line. The end of the file ends the skip quietly.
    void SKIPN();

    // One list-directed read of `count` values. Returns nothing when the file ends before the read
    // has all its values.
    std::optional<std::vector<std::string>> readValues(std::size_t count);

private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
};

// Free-format number conversions; nothing when the text is not such a number.
std::optional<int> parseListInteger(const std::string& text);
std::optional<float> parseListReal(const std::string& text);

}  // namespace zelm
