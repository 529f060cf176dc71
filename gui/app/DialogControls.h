#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>

class QGridLayout;
class QHBoxLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QString;
class QWidget;

namespace solvo {

class CFEdit;

// Controls that several windows build alike, so that they look and behave
// alike wherever they stand.

/// A label set flush against the field it names; its mnemonic moves the
/// focus to that field.
QLabel* FieldLabel(const QString& text, QWidget* field);

/// A field for text, at least minimumWidth pixels wide. The object name is
/// how tests and accessibility tools find it.
QLineEdit* TextField(const char* objectName, int minimumWidth);
/// A field for a number, which rewrites itself with displayDigits when it
/// loses the focus; named and sized as TextField.
CFEdit* NumberField(const char* objectName, int minimumWidth, const std::function<std::int32_t()>& displayDigits);

/// A push button named for tests and accessibility tools.
QPushButton* NamedButton(const QString& text, const char* objectName);
/// The buttons in a row at the bottom right of a window, each at least
/// minimumWidth pixels wide, so that short captions do not make small buttons.
QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons, int minimumWidth);

/// The button that chooses a substance from the substance database.
QPushButton* DatabaseButton();
/// The substance in rows 0 to 2 of grid: the database button beside the
/// name, then the formula and the molar mass beside their labels.
void AddSubstanceRows(QGridLayout& grid, QPushButton* database, QLineEdit* name, QLineEdit* formula,
                      QLineEdit* molarMass);

/// The frame with its title on the right that a formula frame covers once
/// the layout has given it a place.
QGroupBox* FormulaPlaceholder(const QString& title);

/// Keeps widget's place in its layout while it is hidden, so that nothing
/// moves when it comes and goes.
void KeepPlaceWhenHidden(QWidget& widget);

} // namespace solvo
