#pragma once

#include "app/DialogUnits.h"
#include "calculators/MixerField.h"

#include <array>
#include <cstdint>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace solvo {

class CStaticFormulaFrame;
class ElementTable;

/// The controls of the solution mixer in its arrangement: the substance at
/// the top with its formula drawn below, then one group per solution ("1st
/// solution", "2nd solution", "mixed solution") holding its "Conc" button,
/// concentration and unit, V, the toggle and Sm, then "constant
/// concentrations" and the dialog's buttons. Sizes follow the font.
class MixerWidgets {
public:
    static constexpr std::int32_t kFieldCount = kMixerFieldCount;

    /// Builds every control inside dialog, which gets the layout.
    MixerWidgets(QWidget& dialog, const ElementTable& elements, const std::function<std::int32_t()>& displayDigits);

    QLineEdit* Field(MixerField field) const { return fields_[static_cast<std::size_t>(field)]; }

    QPushButton* database;
    CStaticFormulaFrame* formulaFrame;
    std::array<QPushButton*, kMixerRowCount> conc{};
    std::array<QComboBox*, kMixerRowCount> units{};
    std::array<QPushButton*, kMixerRowCount> toggles{};
    QCheckBox* constantConcentrations;
    QPushButton* clearAll;
    QPushButton* clear;
    QPushButton* ok;

private:
    QGroupBox* BuildRow(std::size_t row);

    std::array<QLineEdit*, kMixerFieldCount> fields_{};
    DialogUnits units_;
};

} // namespace solvo
