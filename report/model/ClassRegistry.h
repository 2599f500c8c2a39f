#pragma once

#include <QAnyStringView>
#include <QString>

namespace quitanza::report {

class Component;

// Creates a component of one class, appended to `parent` when given.
using ComponentFactory = Component* (*)(Component* parent);

// The factory of a registered class (names compare ignoring case), or
// nullptr. The engine's own classes are registered on first use.
ComponentFactory FindClass(QAnyStringView className);
void RegisterClass(const QString& className, ComponentFactory factory);

}  // namespace quitanza::report
