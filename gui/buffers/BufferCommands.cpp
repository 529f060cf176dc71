#include "buffers/BufferCommands.h"

#include "app/CMainFrame.h"
#include "app/CommandActions.h"
#include "buffers/CBufferDialog.h"
#include "solution/ComponentIntake.h"
#include "solution/DocumentManager.h"
#include "solution/SolvoDocument.h"

#include <QAction>
#include <QPointer>

namespace solvo {

BufferCommands::BufferCommands(CMainFrame& frame, CSolvoApp& app, DocumentManager& documents)
    : QObject(frame.Helpers()), frame_(frame), app_(app), documents_(documents)
{
    QAction* buffer = frame.Commands().buffer;
    connect(buffer, &QAction::triggered, this, &BufferCommands::Run);
    buffer->setEnabled(true);
}

void BufferCommands::Run()
{
    // The solution may close while the dialog is open; then OK has nothing to fill.
    QPointer<SolvoDocument> document = documents_.ActiveDocument();
    const double litres = document ? document->Data().FinalVolume() : 0.0;
    CBufferDialog dialog(app_, litres * 1000.0, &frame_);
    if (dialog.exec() != QDialog::Accepted || !document)
        return;
    CSolvoDoc& data = document->Data();
    // The volume the amounts were worked out for becomes the solution's
    // when it had none or the user changed it in the dialog.
    const double chosen = dialog.Form().Millilitres() / 1000.0;
    if (litres == 0.0 || dialog.Form().Text(BufferField::Volume) != dialog.InitialVolumeText()) {
        data.SetFinalVolume(chosen);
        for (std::int32_t i = 0; i < data.GetComponentCount(); ++i)
            data.RefreshAmounts(data.GetComponent(i));
    }
    ComponentIntake::AddOrUpdate(data, dialog.Form().Components());
    document->ComponentsEdited();
}

} // namespace solvo
