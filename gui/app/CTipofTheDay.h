#pragma once

#include "app/TipSequence.h"

#include <QDialog>

class QCheckBox;
class QLabel;

namespace solvo {

/// The dialog "Tip of the day": one tip on a white panel, "Next tip", and the
/// check box "Show tips at startup". Which tip comes, and what is stored when,
/// is the TipSequence's to decide.
class CTipofTheDay : public QDialog {
    Q_OBJECT

public:
    explicit CTipofTheDay(ProgramSettings& settings, QWidget* parent = nullptr,
                          TipSequence::Random random = TipSequence::TimeSeeded());

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowTip();

    TipSequence tips_;
    QLabel* text_;
    QCheckBox* showAtStartup_;
};

} // namespace solvo
