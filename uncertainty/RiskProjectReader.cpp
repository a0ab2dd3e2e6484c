#include "RiskProjectReader.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "LineScanner.h"
#include "ModelError.h"

namespace uncertainty {

namespace {

constexpr int kNumberLines = 9;
constexpr std::size_t kNameColumns = 10;

// The scan format of each numeric data line ('s': a value written and skipped).
const char* const kLineFormats[kNumberLines] = {"ddfff", "ddddd",  "fffff", "fffff", "ffffff",
                                                "fffff", "fffsff", "ff",    "fffff"};

std::string trimmed(const std::string& text)
{
    const char* blanks = " \t\r\n\f\v";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::string columns(const std::string& line, std::size_t first, std::size_t count)
{
    return first < line.size() ? line.substr(first, count) : std::string();
}

// A two-way code: 1 stays 1, anything else means the second choice.
int twoWayCode(double value)
{
    return value == 1.0 ? 1 : 2;
}

class RiskFileReader {
public:
    RiskFileReader(std::istream& in, const std::string& fileName) : in_(in), fileName_(fileName) {}

    RiskProject read()
    {
        // One line after the other: the order of function arguments is not the order of reading.
        std::vector<std::vector<double>> l;
        for (int dataLine = 1; dataLine <= kNumberLines; ++dataLine) l.push_back(numbers(dataLine));
        RiskProject p;
        storeCodes(p, l[0], l[1]);
        storeFieldAndCosts(p, l[2], l[3], l[4]);
        storeRangesAndRates(p, l[5], l[6], l[7], l[8]);
        readNamesLine(p);
        readPipeTable(p);
        return p;
    }

private:
    [[noreturn]] void fail(const std::string& what) const
    {
        throw ModelError("ERROR - " + what + " (LINE " + std::to_string(fileLine_) + " OF " + fileName_ + ")");
    }

    // The next line without its line end (LF or CR LF); false at the end of the file. A line
    // longer than kMaxLineLength is an error, found before more of it is read.
    bool nextLine(std::string& line)
    {
        buffer_.resize(kMaxLineLength + 2);  // the line, a CR before its LF, and the terminating NUL
        in_.getline(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        const std::streamsize extracted = in_.gcount();
        if (extracted == 0 && in_.eof()) return false;
        ++fileLine_;
        const bool endedByLineEnd = !in_.eof() && !in_.fail();
        line.assign(buffer_.data(), static_cast<std::size_t>(extracted - (endedByLineEnd ? 1 : 0)));
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if ((in_.fail() && !in_.eof()) || line.size() > kMaxLineLength)
            fail("THE LINE IS LONGER THAN " + std::to_string(kMaxLineLength) + " CHARACTERS");
        return true;
    }

    // The next line that is neither empty nor a comment; false at the end of the file.
    bool nextDataLine(std::string& line)
    {
        while (nextLine(line)) {
            if (!line.empty() && line[0] != '#') return true;
        }
        return false;
    }

    std::vector<double> numbers(int dataLine)
    {
        std::string line;
        if (!nextDataLine(line))
            throw ModelError("ERROR - THE RISK PROJECT FILE " + fileName_ + " ENDS BEFORE DATA LINE " +
                             std::to_string(dataLine));
        const std::string format = kLineFormats[dataLine - 1];
        ScannedLine scanned = scanLine(line, format);
        const std::size_t expected = format.size() - std::count(format.begin(), format.end(), 's');
        if (scanned.values.size() != expected)
            fail("DATA LINE " + std::to_string(dataLine) + " HOLDS " + std::to_string(scanned.values.size()) +
                 " READABLE NUMBERS WHERE " + std::to_string(expected) + " ARE EXPECTED");
        return scanned.values;
    }

    static void storeCodes(RiskProject& p, const std::vector<double>& l1, const std::vector<double>& l2)
    {
        if (l1[0] == 1.0 || l1[0] == 2.0 || l1[0] == 3.0) p.lossFunction = static_cast<int>(l1[0]);
        p.units = twoWayCode(l1[1]);
        p.minReliability = l1[2];
        p.maxReliability = l1[3];
        p.reliabilityIncrement = l1[4];
        p.uncertaintyOption = twoWayCode(l2[0]);
        p.evaluation = twoWayCode(l2[1]);
        p.pipeCostType = twoWayCode(l2[2]);
        p.trenchSpeed = twoWayCode(l2[3]);
        p.reliabilityOption = twoWayCode(l2[4]);
    }

    static void storeFieldAndCosts(RiskProject& p, const std::vector<double>& l3, const std::vector<double>& l4,
                                   const std::vector<double>& l5)
    {
        p.barrierDepth = l3[0];
        p.rechargeRate = l3[1];
        p.permeability = l3[2];
        p.rechargeRateSD = l3[3];
        p.permeabilitySD = l3[4];
        p.criticalDepth = l4[0];
        p.minDepth = l4[1];
        p.drainRadius = l4[2];
        p.averagePipeCost = l4[3];
        p.maxInstallDepth = l4[4];
        p.depthRateSlope = l5[0];
        p.maxDepth = l5[1];
        p.varCostPerMinute = l5[2];
        p.coefA = l5[3];
        p.coefB = l5[4];
        p.coefX = l5[5];
    }

    // The design depth is written on lines 7 and 8; line 8 holds.
    static void storeRangesAndRates(RiskProject& p, const std::vector<double>& l6, const std::vector<double>& l7,
                                    const std::vector<double>& l8, const std::vector<double>& l9)
    {
        p.minSpacing = l6[0];
        p.maxSpacing = l6[1];
        p.spacingIncrement = l6[2];
        p.systemLife = l6[3];
        p.omCost = l6[4];
        p.annualBenefits = l7[0];
        p.discountRate = l7[1];
        p.minInstallRate = l7[3];
        p.designSpacing = l7[4];
        p.barrierDepthSD = l8[0];
        p.designDepth = l8[1];
        p.maxYieldDepth = l9[0];
        p.depthIncrement = l9[1];
        p.givenReliability = l9[2];
        p.constCostPerMinute = l9[3];
        p.constInstallRate = l9[4];
    }

    // Columns 1 to 10 hold the crop name, columns 11 to 20 the pipe type, each padded with blanks.
    void readNamesLine(RiskProject& p)
    {
        std::string line;
        if (!nextDataLine(line))
            throw ModelError("ERROR - THE RISK PROJECT FILE " + fileName_ + " ENDS BEFORE DATA LINE 10");
        p.cropName = trimmed(columns(line, 0, kNameColumns));
        const std::string pipeType = trimmed(columns(line, kNameColumns, kNameColumns));
        for (int i = 0; i < static_cast<int>(std::size(kPipeTypeNames)); ++i) {
            if (pipeType == kPipeTypeNames[i]) {
                p.pipeType = i;
                return;
            }
        }
        fail("DATA LINE 10 NAMES THE PIPE TYPE \"" + pipeType +
             "\" IN COLUMNS 11 TO 20, WHERE PLASTIC, CONCRETE OR CLAY IS EXPECTED");
    }

    // Rows the file does not hold keep their zeros.
    void readPipeTable(RiskProject& p)
    {
        std::string line;
        for (int row = 0; nextDataLine(line); ++row) {
            if (row >= kPipeSizes) fail("THE PIPE COST TABLE HOLDS MORE THAN " + std::to_string(kPipeSizes) + " ROWS");
            ScannedLine scanned = scanLine(line, "fff");
            if (scanned.converted != 3)
                fail("ROW " + std::to_string(row + 1) + " OF THE PIPE COST TABLE HOLDS " +
                     std::to_string(scanned.converted) + " READABLE NUMBERS WHERE 3 ARE EXPECTED");
            p.pipeCost[row] = scanned.values[0];
            p.gravelCost[row] = scanned.values[1];
            p.lateralPercent[row] = scanned.values[2];
        }
    }

    std::istream& in_;
    std::string fileName_;
    int fileLine_ = 0;
    std::string buffer_;
};

}  // namespace

RiskProject readRiskProject(std::istream& in, const std::string& fileName)
{
    return RiskFileReader(in, fileName).read();
}

RiskProject readRiskProjectFile(const std::string& fileName)
{
    std::error_code ec;
    if (!std::filesystem::exists(fileName, ec))
        throw ModelError("ERROR - CANNOT FIND THE RISK PROJECT FILE " + fileName);
    // A pipe or a device would block the read or never end.
    if (!std::filesystem::is_regular_file(fileName, ec))
        throw ModelError("ERROR - THE RISK PROJECT " + fileName + " IS NOT A REGULAR FILE");
    std::ifstream in(fileName, std::ios::binary);
    if (!in) throw ModelError("ERROR - CANNOT OPEN THE RISK PROJECT FILE " + fileName);
    return readRiskProject(in, fileName);
}

}  // namespace uncertainty
