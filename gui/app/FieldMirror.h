#pragma once

#include <string>
#include <string_view>
#include <vector>

class QComboBox;
class QLineEdit;
class QWidget;

namespace solvo {

/// Copies a form model's state of one text field into its widget. A field
/// that already shows the text is left alone, so the field being typed into
/// keeps its caret and selection; a field given new text shows its start.
void MirrorLineEdit(QLineEdit& edit, std::string_view programText, bool enabled, bool red);

/// Copies a form model's list into its combo box without a signal: the
/// items (replaced only when they differ, so an open popup stays), the
/// selection, and whether it is enabled and shown.
void MirrorComboBox(QComboBox& combo, const std::vector<std::string>& items, int selection, bool enabled,
                    bool visible);

/// Shows a form model's refusal of a field, then selects the field's text
/// for the correction.
void ShowFieldRefusal(QWidget& window, QLineEdit& field, std::string_view text);

} // namespace solvo
