#pragma once

#include "app/DialogUnits.h"
#include "calculators/CalculatorField.h"

#include <array>
#include <cstdint>
#include <functional>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QString;
class QWidget;

namespace solvo {

class CStaticFormulaFrame;
class ElementTable;
class UnitLabels;

/// The controls of the concentration calculator in its arrangement: the
/// substance at the top with the formula drawn below it, then mass and n,
/// V and Sm with the toggle between them, the molar units on the left and
/// the mass ratios and density on the right, the later units below them
/// in the same two columns, with the mode buttons in a
/// column on the far right and the dialog's buttons at the bottom. Sizes
/// follow the font, so the arrangement holds with any font and scale.
class CalculatorWidgets {
public:
    static constexpr std::int32_t kFieldCount = kCalculatorFieldCount;

    /// Builds every control inside dialog, which gets the layout.
    CalculatorWidgets(QWidget& dialog, const ElementTable& elements,
                      const std::function<std::int32_t()>& displayDigits);

    QLineEdit* Field(CalculatorField field) const { return fields_[static_cast<std::size_t>(field)]; }
    /// The radio button of a mode.
    QRadioButton* Mode(CalculatorMode mode) const { return modes_[static_cast<std::size_t>(mode)]; }
    /// Puts the program's labels beside the later units' fields.
    void ShowUnitLabels(const UnitLabels& labels);

    QPushButton* database;
    QPushButton* toggle;
    QPushButton* next;
    QComboBox* densityUnit;
    QLabel* noTable;
    CStaticFormulaFrame* formulaFrame;
    QPushButton* clearAll;
    QPushButton* clear;
    QPushButton* cancel;
    QPushButton* ok;

private:
    QGridLayout* BuildSubstance(QWidget& dialog, const ElementTable& elements);
    void AddQuantity(QGridLayout& grid, CalculatorField field, int row, int column, const QString& label,
                     const QString& unit, const QString& toolTip);
    void AddLaterUnit(QGridLayout& grid, CalculatorField field, int row, int column, const QString& toolTip);

    static constexpr std::int32_t kFirstLaterField = static_cast<std::int32_t>(CalculatorField::Micromolar);

    std::array<QLineEdit*, kCalculatorFieldCount> fields_{};
    std::array<QRadioButton*, 4> modes_{};
    std::array<QLabel*, kCalculatorFieldCount - kFirstLaterField> laterUnitLabels_{};
    QGroupBox* placeholder_ = nullptr;
    DialogUnits units_;
};

} // namespace solvo
