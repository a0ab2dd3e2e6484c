// zelm: the transient drain-spacing model. The one argument is the project's base name; without
// it the program asks for one.
#include <iostream>
#include <string>
#include <vector>

#include "ZelmProgram.h"

int main(int argc, char** argv)
{
    return zelm::zelmMain(std::vector<std::string>(argv + 1, argv + argc), std::cin, std::cout);
}
