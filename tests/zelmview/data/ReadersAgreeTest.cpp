// The GUI's reader and the model's reader on the same files. Each keeps its own grammar, but
// whatever the GUI reads the model either refuses or reads to the same values, whatever the GUI
// writes the model reads to the same values, and the GUI never reads a file short. The files are
// the examples, the sample projects and what WriteData writes, and thousands of mutations of them.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <random>

#include "docview/MessageSink.h"
#include "data/ModelReading.h"
#include "data/ProjectFiles.h"
#include "data/ZELMData.h"

namespace {

QList<QByteArray> seedFiles()
{
    QList<QByteArray> seeds;
    const QDir examples(QStringLiteral(ZELM_EXAMPLES_DIR));
    for (const QString& name : examples.entryList({QStringLiteral("*.trn")}))
        seeds.append(fileBytes(examples.filePath(name)));
    seeds.append(fileBytes(testDataFile("sample.trn")));
    seeds.append(fileBytes(testDataFile("written.trn")));
    return seeds;
}

// Numbers and words that each reader takes its own way.
const char* const kTokens[] = {"0",  "-1", "1",      "13",   "32",   "1.5",  "1,5",   "1d2",        "1D-3",  ".5",
                               "5.", "+3", "1e39",   "nan",  "inf",  "-inf", "0x10",  "2147483648", "1e-50", "c",
                               "C",  "#",  "$start", "$end", "$sta", "",     "9 9 9", "2.5e+01",    "-0",    "1e5"};

class Mutator {
public:
    explicit Mutator(unsigned seed) : random(seed) {}

    QByteArray mutate(const QByteArray& file)
    {
        QList<QByteArray> lines = file.split('\n');
        const int steps = 1 + pick(3);
        for (int s = 0; s < steps && !lines.isEmpty(); ++s) {
            const int at = pick(int(lines.size()));
            switch (pick(7)) {
            case 0:
                lines.removeAt(at);
                break;
            case 1:
                lines.insert(at, lines[pick(int(lines.size()))]);
                break;
            case 2:
                lines.insert(at, QByteArray(pick(2) ? "#" : "c") + " inserted");
                break;
            case 3:
                lines[at] = replacedToken(lines[at]);
                break;
            case 4:
                lines[at] += pick(2) ? "\r" : " trailing";
                break;
            case 5:
                lines[at] = kTokens[pick(int(std::size(kTokens)))];
                break;
            default:
                lines.swapItemsAt(at, pick(int(lines.size())));
                break;
            }
        }
        QByteArray text = lines.join('\n');
        if (pick(10) == 0) text.truncate(pick(int(text.size()) + 1));
        return text;
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

    QByteArray replacedToken(const QByteArray& line)
    {
        QList<QByteArray> tokens = line.split(' ');
        tokens[pick(int(tokens.size()))] = kTokens[pick(int(std::size(kTokens)))];
        return tokens.join(' ');
    }

    std::mt19937 random;
};

class ReadersAgree : public ::testing::Test {
protected:
    // Feeds `image` to both readers and checks every promise; returns whether the GUI read it.
    bool check(const QByteArray& image)
    {
        const QString original = dir.filePath("original.trn");
        writeFile(original, image);
        recorder.clear();
        ZELMData gui;
        const bool read = gui.ReadData(original);
        EXPECT_EQ(recorder.messages().size(), read ? 0 : 1) << image.toStdString();
        if (!read) return false;

        const ModelReading direct = readWithModel(original);
        if (direct.project) {
            EXPECT_EQ(firstDifference(gui, *direct.project, false), "") << image.toStdString();
        }

        // The writer rounds reals to six digits: the model must read what the file then holds.
        const QString written = dir.filePath("written.trn");
        EXPECT_TRUE(gui.WriteData(written));
        ZELMData again;
        EXPECT_TRUE(again.ReadData(written));
        const ModelReading back = readWithModel(written);
        EXPECT_EQ(back.error, "") << image.toStdString();
        if (back.project) {
            EXPECT_EQ(firstDifference(again, *back.project, true), "") << image.toStdString();
        }
        EXPECT_EQ(again.events.size(), gui.events.size());
        EXPECT_EQ(again.comment, gui.comment);

        // Writing what was read back changes nothing.
        EXPECT_TRUE(again.WriteData(original));
        EXPECT_EQ(fileBytes(original), fileBytes(written));
        return true;
    }

    QTemporaryDir dir;
    docview::MessageRecorder recorder;
};

TEST_F(ReadersAgree, OnTheExamplesAndSamples)
{
    for (const QByteArray& seed : seedFiles()) EXPECT_TRUE(check(seed)) << seed.toStdString();
}

TEST_F(ReadersAgree, OnMutationsOfThem)
{
    const QList<QByteArray> seeds = seedFiles();
    Mutator mutator(20240611);
    int readByTheGui = 0;
    for (int i = 0; i < 2000 && !HasFailure(); ++i) readByTheGui += check(mutator.mutate(seeds[i % seeds.size()]));
    // Enough of the mutations stay readable for the comparison to mean something.
    EXPECT_GT(readByTheGui, 200);
}

// The faults that let the GUI read less than the file holds, and what the model makes of them.
QByteArray exampleWithLine(int line, const QByteArray& text)
{
    QList<QByteArray> lines = fileBytes(QStringLiteral(ZELM_EXAMPLES_DIR "/hillcrest-design.trn")).split('\n');
    lines[line] = text;
    return lines.join('\n');
}

constexpr int kExampleCountLine = 15;
constexpr int kExampleFirstEventLine = 17;

TEST_F(ReadersAgree, ACountShortOfTheEventsIsRefusedByTheGui)
{
    const QByteArray image = exampleWithLine(kExampleCountLine, "9");
    EXPECT_FALSE(check(image));
    // The model reads nine events and passes over the tenth on its way to the comment block.
    const ModelReading model = readImageWithModel(image);
    ASSERT_TRUE(model.project) << model.error;
    EXPECT_EQ(model.project->events.size(), 9u);
}

TEST_F(ReadersAgree, ANumberWithAnExponentOfTheModelIsNotReadShort)
{
    const QByteArray image = exampleWithLine(kExampleFirstEventLine, "1 15 1d2");
    EXPECT_FALSE(check(image));
    const ModelReading model = readImageWithModel(image);
    ASSERT_TRUE(model.project) << model.error;
    EXPECT_EQ(model.project->events[0].amount, 100.0f);
}

}  // namespace
