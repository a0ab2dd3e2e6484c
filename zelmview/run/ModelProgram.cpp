#include "run/ModelProgram.h"

namespace zelm {

const ModelProgram& TransientModel()
{
    static const ModelProgram model{QStringLiteral("zelm"), QStringLiteral(".OTR"), false};
    return model;
}

const ModelProgram& UncertaintyModel()
{
    static const ModelProgram model{QStringLiteral("uncertainty"), QStringLiteral(".UNC"), true};
    return model;
}

}  // namespace zelm
