#pragma once

#include "app/DialogUnits.h"
#include "solution/CompositionField.h"

#include <array>
#include <cstdint>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;
class QWidget;

namespace solvo {

class CStaticFormulaFrame;
class ElementTable;

/// The controls of the composition form, laid out in the form's arrangement:
/// the tab strip over the "Substance in solution" and "Substance source"
/// groups with their formula frames on the right, then the final volume and
/// the three buttons. Sizes follow the font, so the form keeps its
/// arrangement with any font and scale.
class CompositionWidgets {
public:
    /// Builds every control inside view, which gets the layout.
    CompositionWidgets(QWidget& view, const ElementTable& elements,
                       const std::function<std::int32_t()>& displayDigits);

    QLineEdit* Field(CompositionField field) const { return fields_[static_cast<std::size_t>(field)]; }
    QComboBox* List(CompositionList list) const { return lists_[static_cast<std::size_t>(list)]; }

    QTabBar* tabs;
    QPushButton* database;
    QPushButton* concentration;
    QCheckBox* prepareStandard;
    CStaticFormulaFrame* formulaFrame;
    CStaticFormulaFrame* sourceFormulaFrame;
    QLabel* sourceValueLabel;
    QLabel* massLabel;
    QPushButton* addSubstance;
    QPushButton* removeSubstance;
    QPushButton* showRecipe;

private:
    QGroupBox* BuildSubstanceGroup(QWidget& view, const ElementTable& elements);
    QGroupBox* BuildSourceGroup(QWidget& view, const ElementTable& elements);
    QWidget* BuildVolumeRow(QWidget& view);
    void SetTabOrder(QWidget& view) const;

    std::array<QLineEdit*, 11> fields_{};
    std::array<QComboBox*, 4> lists_{};
    DialogUnits units_;
};

} // namespace solvo
