// The yardstick for process start-up: a C++ program that does nothing.
#include <iostream>

int main()
{
    return 0;
}
