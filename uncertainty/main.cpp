// uncertainty: drainage design under uncertain soil data. The one argument is the risk project's
// base name (or --help, --version); the program never waits for console input.
#include <iostream>
#include <string>
#include <vector>

#include "UncertaintyProgram.h"

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return uncertainty::commandLine(arguments, std::cout);
}
