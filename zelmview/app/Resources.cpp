#include "app/Resources.h"

#include <QtGlobal>

void initZelmviewResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(zelmview);
        return true;
    }();
    Q_UNUSED(registered);
}
