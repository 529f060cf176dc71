#pragma once

#include "substances/SubstanceDatabaseField.h"

#include <array>
#include <cstdint>
#include <functional>

class QCheckBox;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;

namespace solvo {

class CStaticFormulaFrame;
class ElementTable;

/// The controls of the substance database dialog and their arrangement: the
/// list with its filter on the left, the substance's fields, formula frame,
/// density table and plot on the right, the buttons below.
class SubstanceDatabaseWidgets {
public:
    /// Builds the controls into dialog; displayDigits gives the setting the
    /// numeric fields reformat with.
    SubstanceDatabaseWidgets(QDialog& dialog, const ElementTable& elements,
                             const std::function<std::int32_t()>& displayDigits);

    QListView* substances;
    QLineEdit* Field(SubstanceDatabaseField field) const { return fields_[static_cast<std::size_t>(field)]; }
    QComboBox* List(SubstanceDatabaseList which) const { return lists_[static_cast<std::size_t>(which)]; }
    QCheckBox* Check(SubstanceDatabaseCheck check) const { return checks_[static_cast<std::size_t>(check)]; }
    QPushButton* Button(SubstanceDatabaseButton button) const { return buttons_[static_cast<std::size_t>(button)]; }
    QPlainTextEdit* tableText;
    QLabel* plot;
    /// Substances from outside the database: one from the reagent library,
    /// or all those of a CSV file.
    QPushButton* fromLibrary;
    QPushButton* import;
    CStaticFormulaFrame* formulaFrame;

private:
    void Build(QDialog& dialog);

    // The table text has an editor of its own; its slot here stays empty.
    std::array<QLineEdit*, 9> fields_{};
    std::array<QComboBox*, 3> lists_{};
    std::array<QCheckBox*, 4> checks_{};
    std::array<QPushButton*, 6> buttons_{};
};

} // namespace solvo
