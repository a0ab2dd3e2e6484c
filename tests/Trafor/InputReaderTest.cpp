#include <gtest/gtest.h>

#include <sstream>

#include "InputReader.h"
#include "ModelError.h"
#include "TestProjects.h"

using namespace zelm;

namespace {

ProjectInput read(const std::string& text)
{
    std::istringstream in(text);
    return INDP(in, "P.TRN");
}

std::string readError(const std::string& text)
{
    try {
        read(text);
    } catch (const ModelError& e) {
        return e.what();
    }
    return "";
}

const char* const kPlainFile =
    "#Version number\n2\n#Title (1 line)\nField A\n#Project\n1 1 1\n#Field\n"
    "1 2 3 0.05 0.25 5 100 6 -1\n#Number\n2\n#month\n3 1 1.5\n4 15 2\n"
    "#Comment\n$start\nfirst\nsecond\n$end\n";

}  // namespace

TEST(InputReader, ReadsEveryItemOfAPlainFile)
{
    ProjectInput p = read(kPlainFile);
    EXPECT_EQ(p.title, "Field A");
    EXPECT_EQ(p.inputMode, 1);
    EXPECT_EQ(p.unitsMode, 1);
    EXPECT_EQ(p.benchFlag, 1);
    EXPECT_FLOAT_EQ(p.permeability, 1.0f);
    EXPECT_FLOAT_EQ(p.maxWaterTable, 2.0f);
    EXPECT_FLOAT_EQ(p.barrierDistance, 3.0f);
    EXPECT_FLOAT_EQ(p.specificYield, 0.05f);
    EXPECT_FLOAT_EQ(p.drainRadius, 0.25f);
    EXPECT_FLOAT_EQ(p.depthToDrain, 5.0f);
    EXPECT_FLOAT_EQ(p.drainSpacing, 100.0f);
    EXPECT_FLOAT_EQ(p.awhc, 6.0f);
    EXPECT_EQ(p.barrierMode, -1);
    ASSERT_EQ(p.events.size(), 2u);
    EXPECT_EQ(p.events[1].month, 4);
    EXPECT_EQ(p.events[1].day, 15);
    EXPECT_FLOAT_EQ(p.events[1].amount, 2.0f);
    EXPECT_EQ(p.comments, (std::vector<std::string>{"first", "second"}));
}

TEST(InputReader, CarriageReturnLineEndsReadTheSame)
{
    std::string crlf;
    for (char c : std::string(kPlainFile)) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    ProjectInput p = read(crlf);
    EXPECT_EQ(p.title, "Field A");
    EXPECT_EQ(p.comments, (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(p.barrierMode, -1);
}

TEST(InputReader, NumbersAreFreeFormatAcrossLinesAndDropTheRestOfTheLastLine)
{
    ProjectInput p = read(
        "2 ignored words\nTitle\n0,0 , 1\n1.5, 2.5\n 3 4e-2\t.25 5. 1.5D2 6\n-1 trailing junk\n"
        "1 extra\n6 30 0.5 and more\n$start\nc\n$end\n");
    EXPECT_EQ(p.benchFlag, 1);
    EXPECT_FLOAT_EQ(p.specificYield, 0.04f);
    EXPECT_FLOAT_EQ(p.drainRadius, 0.25f);
    EXPECT_FLOAT_EQ(p.drainSpacing, 150.0f);
    EXPECT_EQ(p.barrierMode, -1);
    ASSERT_EQ(p.events.size(), 1u);
    EXPECT_FLOAT_EQ(p.events[0].amount, 0.5f);
    EXPECT_EQ(p.comments, std::vector<std::string>{"c"});
}

TEST(InputReader, CommentLinesStartWithHashOrC)
{
    ProjectInput p = read(
        "c version\n2\nC title follows\nTitle\ncomment\n0 0 0\n#\n1 2 3 0.05 0.25 5 100 6 0\n"
        "Count\n1\n# first event\n3 1 1.5\nclosing comment\n$start\nkept\n$end\n");
    EXPECT_EQ(p.title, "Title");
    ASSERT_EQ(p.events.size(), 1u);
    EXPECT_EQ(p.comments, std::vector<std::string>{"kept"});
}

TEST(InputReader, TitleAndCommentLinesKeepTheirFirst80Columns)
{
    std::string longLine(100, 'x');
    ProjectInput p =
        read("2\n  " + longLine + "\n0 0 0\n1 2 3 0.05 0.25 5 100 6 0\n1\n3 1 1\n$start\n" + longLine + "\n$end\n");
    EXPECT_EQ(p.title, "  " + std::string(78, 'x'));
    EXPECT_EQ(p.comments, std::vector<std::string>{std::string(80, 'x')});
}

TEST(InputReader, CommentBlockMarkersSitInTheFirstColumns)
{
    const std::string head = "2\nT\n0 0 0\n1 2 3 0.05 0.25 5 100 6 0\n1\n3 1 1\n";
    EXPECT_TRUE(read(head).comments.empty());
    EXPECT_TRUE(read(head + "any line\n $start\nnot a comment\n").comments.empty());
    EXPECT_EQ(read(head + "words\n$sta\na\nb\n").comments, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(read(head + "$start\na\n $end\n$end\nb\n").comments, (std::vector<std::string>{"a", " $end"}));
}

TEST(InputReader, CommentLinesHaveNoFixedLimit)
{
    std::string text = "2\nT\n0 0 0\n1 2 3 0.05 0.25 5 100 6 0\n60\n";
    for (int k = 0; k < 60; ++k) text += "1 1 0.1\n";
    text += "$start\n";
    for (int k = 0; k < 70; ++k) text += "line\n";
    ProjectInput p = read(text + "$end\n");
    EXPECT_EQ(p.events.size(), 60u);
    EXPECT_EQ(p.comments.size(), 70u);
}

// What a file holds beyond the limits stated in the help is refused with the limit named, before
// it takes memory or reaches the report.
TEST(InputReader, EventsAndCommentLinesBeyondTheirLimitsAreRefused)
{
    const std::string head = "2\nT\n0 0 0\n1 2 3 0.05 0.25 5 100 6 0\n";
    std::string events = "999\n";
    for (int k = 0; k < 999; ++k) events += "1 1 0.1\n";
    std::string comments = "$start\n";
    for (std::size_t k = 0; k < kMaxCommentLines; ++k) comments += "line\n";
    const ProjectInput p = read(head + events + comments + "$end\n");
    EXPECT_EQ(p.events.size(), 999u);
    EXPECT_EQ(p.comments.size(), kMaxCommentLines);

    EXPECT_EQ(readError(head + "1000\n"), "ERROR - INPUT FILE P.TRN HAS 1000 EVENTS; A PROJECT HAS AT MOST 999");
    EXPECT_EQ(readError(head + "2000000000\n"),
              "ERROR - INPUT FILE P.TRN HAS 2000000000 EVENTS; A PROJECT HAS AT MOST 999");
    EXPECT_EQ(readError(head + "1\n3 1 1\n" + comments + "one line too many\n$end\n"),
              "ERROR - INPUT FILE P.TRN HAS MORE THAN 5000 COMMENT LINES");
}

TEST(InputReader, MalformedFilesNameTheFileAndTheItem)
{
    const std::string field = "1 2 3 0.05 0.25 5 100 6 0\n";
    EXPECT_EQ(readError(""), "ERROR - CANNOT READ THE VERSION NUMBER IN INPUT FILE P.TRN");
    EXPECT_EQ(readError("two\n"), "ERROR - CANNOT READ THE VERSION NUMBER IN INPUT FILE P.TRN");
    EXPECT_EQ(readError("2\n"), "ERROR - CANNOT READ THE TITLE IN INPUT FILE P.TRN");
    EXPECT_EQ(readError("2\nT\n0 0.5 0\n"), "ERROR - CANNOT READ THE PROJECT DATA IN INPUT FILE P.TRN");
    // A field line of eight values takes the event count as its ninth, and the file runs short.
    EXPECT_EQ(readError("2\nT\n0 0 0\n1 2 3 0.05 0.25 5 100 6\n1\n3 1 1\n"),
              "ERROR - CANNOT READ THE EVENT 1 IN INPUT FILE P.TRN");
    EXPECT_EQ(readError("2\nT\n0 0 0\n" + field + "one\n"),
              "ERROR - CANNOT READ THE NUMBER OF EVENTS IN INPUT FILE P.TRN");
    EXPECT_EQ(readError("2\nT\n0 0 0\n1 2 3 0.05 0.25 5 100 6 x\n"),
              "ERROR - CANNOT READ THE FIELD DATA IN INPUT FILE P.TRN");
    EXPECT_EQ(readError("2\nT\n0 0 0\n" + field + "2\n3 1 1\n"), "ERROR - CANNOT READ THE EVENT 2 IN INPUT FILE P.TRN");
    EXPECT_EQ(readError("2\nT\n0 0 0\n" + field + "2\n3 1 1\n# no comments among the events\n4 1 1\n"),
              "ERROR - CANNOT READ THE EVENT 2 IN INPUT FILE P.TRN");
}

TEST(InputReader, AMissingFileIsAnError)
{
    fixtures::ScratchDir dir;
    try {
        readProjectFile((dir / "NONE.TRN").string());
        FAIL() << "no error";
    } catch (const ModelError& e) {
        EXPECT_EQ(std::string(e.what()), "ERROR - CANNOT OPEN INPUT FILE " + (dir / "NONE.TRN").string());
    }
}
