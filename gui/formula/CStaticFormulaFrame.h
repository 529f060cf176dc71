#pragma once

#include "formula/CanvasTextCache.h"
#include "formula/FormulaFrame.h"

#include <QWidget>

#include <string_view>

class QGroupBox;

namespace solvo {

class ElementTable;

/// Shows one typeset formula, shrunk to fit, inside an etched edge that
/// carries the formula's molar mass as its caption. Windows lay out an empty
/// group box where a formula goes and attach a frame to it.
class CStaticFormulaFrame : public QWidget {
    Q_OBJECT

public:
    /// The table must outlive the frame.
    explicit CStaticFormulaFrame(const ElementTable& table, QWidget* parent = nullptr);

    /// Takes the placeholder's place (in its layout, or its geometry when
    /// it has none), its font for the caption and its title as the
    /// accessible name, and hides it. A right-aligned or centred title puts
    /// the caption on the right.
    void AttachToPlaceholder(QGroupBox* placeholder);

    void SetFrameOptions(bool showCaption, bool drawEdge);
    /// Shows the program text up to its first ";"; with updateMass the
    /// caption shows its molar mass.
    void SetFormulaText(std::string_view text, bool updateMass);
    void SetMolarMassCaption(double x);
    double MolarMass() const { return frame_.MolarMass(); }
    const FormulaFrame& Frame() const { return frame_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FontSpec CaptionFont() const;
    void Refresh();

    FormulaFrame frame_;
    CanvasTextCache textCache_;
};

} // namespace solvo
