#include "app/Resources.h"

#include <QtGlobal>

void InitZelmviewResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(zelmview);
        return true;
    }();
    Q_UNUSED(registered);
}
