#include "app/windows/WindowServices.h"

#include <QDesktopServices>

namespace quitanza::app {

WindowServices WithDesktopOpen(PreviewFunction preview)
{
  return {std::move(preview), [](const QUrl& url) { QDesktopServices::openUrl(url); }};
}

}  // namespace quitanza::app
