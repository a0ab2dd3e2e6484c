// Every control, action, menu and dialog with an id of the system carries it as the dynamic
// property "controlId", so tests and the program find it by id. These are the one way to set and
// read it.
#pragma once

#include <QObject>

namespace docview {

void setControlId(QObject* object, int id);
// The id of `object`; 0 for an object without one.
int controlIdOf(const QObject* object);
// The first child of `parent` (at any depth) of type T that carries `id`; null when none does.
template <typename T = QObject>
T* findByControlId(const QObject* parent, int id)
{
    for (T* child : parent->findChildren<T*>())
        if (controlIdOf(child) == id) return child;
    return nullptr;
}

}  // namespace docview
