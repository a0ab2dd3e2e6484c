#include "data/LineScanner.h"

#include <cmath>
#include <cstdio>

template <typename... Targets>
bool LineScanner::scan(const char* format, Targets*... targets)
{
    int consumed = -1;
    std::sscanf(rest, format, targets..., &consumed);
    if (consumed < 0) return false;
    rest += consumed;
    return true;
}

bool LineScanner::integer(int& value)
{
    return scan("%d%n", &value);
}

bool LineScanner::real(double& value)
{
    return scan("%lf%n", &value);
}

bool LineScanner::finiteReal(double& value)
{
    double scanned = 0.0;
    if (!real(scanned) || !std::isfinite(scanned)) return false;
    value = scanned;
    return true;
}

bool LineScanner::skipReal()
{
    return scan("%*lf%n");
}
