// The program's built-in files (pictures, help pages) linked from a static library: this makes
// sure they are registered before first use.
#pragma once

void initZelmviewResources();
