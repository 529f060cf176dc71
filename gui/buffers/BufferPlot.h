#pragma once

#include "buffers/BufferCalculation.h"

#include <QString>
#include <QWidget>

#include <vector>

namespace solvo {

/// The curve of pH against what is added (the base form's share, or the
/// titrant) with the target marked. Sizes follow the font, so the plot
/// reads alike at any scale.
class BufferPlot : public QWidget {
    Q_OBJECT

public:
    explicit BufferPlot(QWidget* parent = nullptr);

    /// An empty curve leaves the axes bare.
    void SetCurve(std::vector<BufferCurvePoint> curve, BufferCurvePoint target, QString xTitle);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<BufferCurvePoint> curve_;
    BufferCurvePoint target_;
    QString xTitle_;
};

} // namespace solvo
