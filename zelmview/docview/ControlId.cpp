#include "docview/ControlId.h"

#include <QVariant>

namespace docview {
namespace {

const char* const kControlIdProperty = "controlId";

}  // namespace

void setControlId(QObject* object, int id)
{
    object->setProperty(kControlIdProperty, id);
}

int controlIdOf(const QObject* object)
{
    return object->property(kControlIdProperty).toInt();
}

}  // namespace docview
