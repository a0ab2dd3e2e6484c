// What the run protocol needs to know of a model program: its name beside zelmview, the report it
// writes beside the input file, and whether its warnings are shown before the report opens. The
// transient and the uncertainty model differ only in these.
#pragma once

#include <QString>

namespace zelm {

struct ModelProgram {
    QString program;
    // The report's extension as the model writes it.
    QString reportExtension;
    // Output that mentions a warning is shown before the report opens.
    bool showsWarnings = false;
};

// zelm: BASE.OTR (and the daily file BASE.DAY beside it).
const ModelProgram& TransientModel();
// uncertainty: BASE.UNC, its warnings shown.
const ModelProgram& UncertaintyModel();

}  // namespace zelm
