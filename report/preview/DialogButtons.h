#pragma once

class QDialog;
class QDialogButtonBox;

namespace quitanza::report {

// The OK (default) and Cancel buttons of the preview's dialogs, accepting and
// rejecting `dialog`; the caller places them in its layout.
QDialogButtonBox* OkCancelButtons(QDialog& dialog);

}  // namespace quitanza::report
