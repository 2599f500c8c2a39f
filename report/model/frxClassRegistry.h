#pragma once

#include <QAnyStringView>
#include <QString>

class TfrxComponent;

// Creates a component of one class, appended to `parent` when given.
using TfrxComponentFactory = TfrxComponent* (*)(TfrxComponent* parent);

// The factory of a registered class (names compare ignoring case), or
// nullptr. The engine's own classes are registered on first use.
TfrxComponentFactory frxFindClass(QAnyStringView className);
void frxRegisterClass(const QString& className, TfrxComponentFactory factory);
