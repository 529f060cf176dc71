#pragma once

#include "app/CFlaskwareApp.h"
#include "app/UnitLabels.h"

namespace solvo {

/// Solvo's application object: the family's shared state plus the unit
/// labels and the content of the program database.
class CSolvoApp final : public CFlaskwareApp {
public:
    using CFlaskwareApp::CFlaskwareApp;

    /// Reads units.txt of the data folder (creating it with the defaults when
    /// missing). Done after the database is loaded and before any document.
    void ReadUnitLabels();
    const UnitLabels& Units() const { return units_; }

    void InstallDefaults() override;
    bool IsDatabaseModified() const override;

private:
    UnitLabels units_;
};

} // namespace solvo
