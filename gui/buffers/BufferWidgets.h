#pragma once

#include "app/DialogUnits.h"
#include "buffers/BufferField.h"

#include <array>
#include <cstdint>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QWidget;

namespace solvo {

class BufferPlot;
class ElementTable;

/// The controls of the buffer calculator in their arrangement: what the
/// buffer is made of and its conditions on the left, the pH curve on the
/// right, the amounts and the buffer's state below, then OK and Cancel.
/// Sizes follow the font.
class BufferWidgets {
public:
    static constexpr std::int32_t kFieldCount = kBufferFieldCount;

    /// Builds every control inside dialog, which gets the layout.
    BufferWidgets(QWidget& dialog, const std::function<std::int32_t()>& displayDigits);

    QLineEdit* Field(BufferField field) const { return fields_[static_cast<std::size_t>(field)]; }
    QComboBox* List(BufferList list) const { return lists_[static_cast<std::size_t>(list)]; }
    /// The label beside a list, shown and hidden with it.
    QLabel* ListLabel(BufferList list) const { return listLabels_[static_cast<std::size_t>(list)]; }

    QTableWidget* amounts;
    QLabel* resultPh;
    QLabel* phAtUse;
    QLabel* ionicStrength;
    QLabel* capacity;
    QLabel* notes;
    BufferPlot* plot;
    QPushButton* ok;
    QPushButton* cancel;

private:
    QWidget* BuildResults();

    std::array<QLineEdit*, kBufferFieldCount> fields_{};
    std::array<QComboBox*, kBufferListCount> lists_{};
    std::array<QLabel*, kBufferListCount> listLabels_{};
    DialogUnits units_;
};

} // namespace solvo
