#include "InputReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ext/stdio_filebuf.h>
#include <istream>

#include "ListDirectedReader.h"
#include "ModelError.h"

namespace zelm {

namespace {

constexpr std::size_t kLineColumns = 80;

bool startsWith(const std::string& line, const char* marker)
{
    return line.rfind(marker, 0) == 0;
}

class ProjectFileReader {
public:
    ProjectFileReader(std::istream& in, const std::string& fileName) : reader_(in), fileName_(fileName) {}

    ProjectInput read()
    {
        ProjectInput project;
        reader_.SKIPN();
        project.version = real(values(1, "VERSION NUMBER")[0], "VERSION NUMBER");
        TITLERD(project);
        readProjectLine(project);
        READFLD(project);
        readEvents(project);
        COMMENT(project);
        if (reader_.overlong()) fail("COMMENT LINES");
        return project;
    }

private:
    [[noreturn]] void fail(const std::string& item) const
    {
        std::string message = "ERROR - CANNOT READ THE " + item + " IN INPUT FILE " + fileName_;
        if (reader_.overlong())
            message += ": A LINE IS LONGER THAN " + std::to_string(kMaxLineCharacters) + " CHARACTERS";
        throw ModelError(message);
    }

    [[noreturn]] void beyondLimit(const std::string& what) const
    {
        throw ModelError("ERROR - INPUT FILE " + fileName_ + " HAS " + what);
    }

    std::vector<std::string> values(std::size_t count, const std::string& item)
    {
        std::optional<std::vector<std::string>> tokens = reader_.readValues(count);
        if (!tokens) fail(item);
        return *tokens;
    }

    int integer(const std::string& text, const std::string& item) const
    {
        std::optional<int> value = parseListInteger(text);
        if (!value) fail(item);
        return *value;
    }

    float real(const std::string& text, const std::string& item) const
    {
        std::optional<float> value = parseListReal(text);
        if (!value) fail(item);
        return *value;
    }

    void TITLERD(ProjectInput& project)
    {
        reader_.SKIPN();
        std::string line;
        if (!reader_.readLine(line)) fail("TITLE");
        project.title = line.substr(0, kLineColumns);
    }

    void readProjectLine(ProjectInput& project)
    {
        const std::string item = "PROJECT DATA";
        reader_.SKIPN();
        std::vector<std::string> v = values(3, item);
        project.inputMode = integer(v[0], item);
        project.unitsMode = integer(v[1], item);
        project.benchFlag = integer(v[2], item);
    }

    void READFLD(ProjectInput& project)
    {
        const std::string item = "FIELD DATA";
        reader_.SKIPN();
        std::vector<std::string> v = values(9, item);
        float* reals[] = {&project.permeability,  &project.maxWaterTable, &project.barrierDistance,
                          &project.specificYield, &project.drainRadius,   &project.depthToDrain,
                          &project.drainSpacing,  &project.awhc};
        for (std::size_t i = 0; i < std::size(reals); ++i) *reals[i] = real(v[i], item);
        project.barrierMode = integer(v[8], item);
    }

    void readEvents(ProjectInput& project)
    {
        const std::string countItem = "NUMBER OF EVENTS";
        reader_.SKIPN();
        int count = integer(values(1, countItem)[0], countItem);
        if (count > kMaxEvents)
            beyondLimit(std::to_string(count) + " EVENTS; A PROJECT HAS AT MOST " + std::to_string(kMaxEvents));
        reader_.SKIPN();
        for (int k = 1; k <= count; ++k) {
            const std::string item = "EVENT " + std::to_string(k);
            std::vector<std::string> v = values(3, item);
            project.events.push_back({integer(v[0], item), integer(v[1], item), real(v[2], item)});
        }
        reader_.SKIPN();
    }

    // The comment block lies between a line beginning "$sta" and one beginning "$end"; a file
    // that ends early keeps what was read.
    void COMMENT(ProjectInput& project)
    {
        std::string line;
        bool more;
        while ((more = reader_.readLine(line)) && !startsWith(line, "$sta")) {
        }
        if (!more) return;
        while (reader_.readLine(line) && !startsWith(line, "$end")) {
            if (project.comments.size() == kMaxCommentLines)
                beyondLimit("MORE THAN " + std::to_string(kMaxCommentLines) + " COMMENT LINES");
            project.comments.push_back(line.substr(0, kLineColumns));
        }
    }

    ListDirectedReader reader_;
    std::string fileName_;
};

}  // namespace

ProjectInput INDP(std::istream& in, const std::string& fileName)
{
    return ProjectFileReader(in, fileName).read();
}

// Only a regular file is read: a pipe would block the model until something writes to it, a
// device may never end. The file is opened without blocking and checked again once it is open, in
// case it was replaced in between.
ProjectInput readProjectFile(const std::string& fileName)
{
    const ModelError notRegular("ERROR - INPUT FILE " + fileName + " IS NOT A REGULAR FILE");
    const ModelError cannotOpen("ERROR - CANNOT OPEN INPUT FILE " + fileName);
    struct stat status {};
    if (::stat(fileName.c_str(), &status) != 0) throw cannotOpen;
    if (!S_ISREG(status.st_mode)) throw notRegular;
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) throw cannotOpen;
    __gnu_cxx::stdio_filebuf<char> file(fd, std::ios::in);  // closes fd
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) throw notRegular;
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::istream in(&file);
    return INDP(in, fileName);
}

}  // namespace zelm
