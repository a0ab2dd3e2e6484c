// A program started as a whole process for each iteration of a benchmark, in a given folder: its
// start-up, reading and writing all counted.
#pragma once

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

inline void runProcess(benchmark::State& state, std::vector<std::string> arguments, const std::filesystem::path& dir)
{
    std::vector<char*> argv;
    for (std::string& a : arguments) argv.push_back(a.data());
    argv.push_back(nullptr);
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    for (auto _ : state) {
        pid_t pid;
        if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
            state.SkipWithError("cannot start the program");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("the program failed");
    }
    std::filesystem::current_path(previous);
}
