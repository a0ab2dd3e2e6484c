// What the run protocol needs to know of a model program: its name beside zelmview, the report it
// writes beside the input file and the other files it writes there, and whether its warnings are
// shown before the report opens. The transient and the uncertainty model differ only in these.
#pragma once

#include <QString>
#include <QStringList>

namespace zelm {

struct ModelProgram {
    QString program;
    // The report's extension as the model writes it; the same in lower case is found as well.
    QString reportExtension;
    // Further files of a run (the daily water table); removed with the old report before a run.
    QStringList otherOutputExtensions;
    // Output that mentions a warning is shown before the report opens.
    bool showsWarnings = false;
};

// zelm: BASE.OTR and the daily file BASE.DAY.
const ModelProgram& TransientModel();
// uncertainty: BASE.UNC, its warnings shown.
const ModelProgram& UncertaintyModel();

}  // namespace zelm
