#pragma once

#include <QFont>
#include <QIcon>
#include <QPixmap>

class QApplication;
class QSize;

namespace quitanza::app {

// The desktop program's look: Qt's Fusion style in a calm blue of our own,
// Tahoma where the machine has it, and the pictures of the program's
// resources.

// Applies the style, the colours and the window font (Tahoma 8 pt, or the
// desktop's font where no Tahoma can be found).
void ApplyLook(QApplication& application);

// The font of the entry fields: the window font at 11 pt.
QFont EntryFont();

enum class ButtonPicture { Manual, Configuracao, Autenticar, Emitir, Limpar, Consultar, Fechar, Imprimir, Excluir,
                           Salvar, Abrir };
QIcon ButtonIcon(ButtonPicture picture);

// The main window's banner, drawn for `size` logical pixels on a screen of
// that pixel ratio.
QPixmap BannerPicture(const QSize& size, qreal devicePixelRatio);

}  // namespace quitanza::app
