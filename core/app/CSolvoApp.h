#pragma once

#include "app/CFlaskwareApp.h"
#include "quantities/UnitLabels.h"
#include "substances/SolvoSubstanceDatabase.h"

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

    SolvoSubstanceDatabase& Substances() { return substances_; }
    const SolvoSubstanceDatabase& Substances() const { return substances_; }

    void InstallDefaults() override;
    bool IsDatabaseModified() const override;
    CFlaskwareDatabase& Database() override { return substances_; }

private:
    UnitLabels units_;
    SolvoSubstanceDatabase substances_;
};

} // namespace solvo
