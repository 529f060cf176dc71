#include "app/SolvoApplication.h"

#include "app/StandardDataFolder.h"

namespace solvo {

SolvoApplication::SolvoApplication() : app_(store_, StandardDataFolder()) {}

SolvoApplication::~SolvoApplication() = default;

void SolvoApplication::Start()
{
    app_.Initialise();
    recentFiles_.Read(store_);
    app_.Data().EnsureExists();
    app_.InstallDefaults();
    app_.ReadUnitLabels();
    mainFrame_ = std::make_unique<CMainFrame>(app_, recentFiles_);
    mainFrame_->show();
}

void SolvoApplication::Finish()
{
    mainFrame_.reset();
    app_.Finalise();
}

} // namespace solvo
