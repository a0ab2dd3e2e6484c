// Every control, action, menu and dialog with an id of the system carries it as the dynamic
// property "controlId", so tests and the program find it by id. These are the one way to set and
// read it.
#pragma once

#include <QObject>

namespace docview {

void SetControlId(QObject* object, int id);
// The id of `object`; 0 for an object without one.
int ControlIdOf(const QObject* object);
// The first child of `parent` (at any depth) of type T that carries `id`; null when none does.
template <typename T = QObject>
T* FindByControlId(const QObject* parent, int id)
{
    for (T* child : parent->findChildren<T*>())
        if (ControlIdOf(child) == id) return child;
    return nullptr;
}

}  // namespace docview
