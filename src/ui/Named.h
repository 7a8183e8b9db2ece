#pragma once

#include <QString>

namespace torvalet::ui {

// The object gets its component name, by which the language files and the fixed keys find it.
template <typename Object>
Object* named(Object* object, const char* name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

}  // namespace torvalet::ui
