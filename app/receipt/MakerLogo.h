#pragma once

#include <QImage>

namespace quitanza::app {

// The small logo of the program's maker printed in the credits of every
// receipt, drawn here so that no picture file has to be shipped.
QImage DrawMakerLogo();

}  // namespace quitanza::app
