#include "app/CSolvoApp.h"

namespace solvo {

void CSolvoApp::ReadUnitLabels()
{
    units_ = UnitLabels::Read(Data().FilePath(DataFolder::kUnitsFile));
}

void CSolvoApp::InstallDefaults()
{
    Elements() = ElementTable();
    Elements().LoadDefaults();
}

bool CSolvoApp::IsDatabaseModified() const
{
    return Elements().IsModified();
}

} // namespace solvo
