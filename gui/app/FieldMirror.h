#pragma once

#include <string_view>

class QLineEdit;

namespace solvo {

/// Copies a form model's state of one text field into its widget. A field
/// that already shows the text is left alone, so the field being typed into
/// keeps its caret and selection; a field given new text shows its start.
void MirrorLineEdit(QLineEdit& edit, std::string_view programText, bool enabled, bool red);

} // namespace solvo
