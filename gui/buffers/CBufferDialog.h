#pragma once

#include "buffers/BufferCalculatorForm.h"
#include "buffers/BufferWidgets.h"

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

namespace solvo {

class CSolvoApp;

/// The dialog "Buffer": the amounts that make a buffer of a stated pH. The
/// rules live in BufferCalculatorForm; the dialog forwards the user's
/// typing and choices to it and mirrors its state into the controls; the
/// field being typed is never rewritten. OK closes only when the form has
/// a buffer to hand over (Form().Components()).
class CBufferDialog : public QDialog {
    Q_OBJECT

public:
    /// The forms offered come from app's substance database too; the
    /// amounts are for millilitres of buffer (1000 when 0). app must
    /// outlive the dialog.
    CBufferDialog(CSolvoApp& app, double millilitres, QWidget* parent = nullptr);

    const BufferCalculatorForm& Form() const { return form_; }
    /// The volume field's text as the dialog opened.
    const std::string& InitialVolumeText() const { return initialVolume_; }

    void accept() override;

private:
    using Message = BufferCalculatorForm::Message;

    static std::vector<std::string> Shelf(const CSolvoApp& app);
    void Connect();
    void Finish(const std::optional<Message>& message);
    void Mirror();
    void MirrorResults();

    BufferCalculatorForm form_;
    BufferWidgets widgets_;
    std::string initialVolume_;
};

} // namespace solvo
