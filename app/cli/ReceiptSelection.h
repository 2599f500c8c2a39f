#pragma once

#include <QString>

namespace quitanza::app {

class DataModule;

// Loads the register and makes the first receipt with the number NUMERO names
// the current one, as selecting it in the lookup window does. Refuses
// (InvalidInputError) a text that is no number and a number not in the register.
void SelectReceipt(DataModule& dm, const QString& numero);

}  // namespace quitanza::app
