#include "app/CSolvoApp.h"

namespace solvo {

void CSolvoApp::ReadUnitLabels()
{
    units_ = UnitLabels::Read(Data().File(DataFolder::kUnitsFile));
}

void CSolvoApp::InstallDefaults()
{
    Elements() = ElementTable();
    Elements().LoadDefaults();
    substances_.Clear();
    substances_.LoadDefaultSubstances(Elements());
}

bool CSolvoApp::IsDatabaseModified() const
{
    return Elements().IsModified() || substances_.IsModified();
}

} // namespace solvo
