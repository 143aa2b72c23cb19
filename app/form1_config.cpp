// The configuration buttons of the details panel.
#include "app/form1.h"

#include "config/paths.h"
#include "model/model.h"
#include "power/texts.h"

#include <QLineEdit>

namespace quelmo {

void TForm1::BrowseClick() {
    const std::string chosen = BrowseForFile(this, ProgramFolder(), mModel.ConfigText(),
                                             Texts::Tr("Config Files") + " (*.db)|*.DB", "db");
    mModel.SetConfigText(ShortPath(chosen));
    mModel.TouchLockCountdown();
}

void TForm1::LoadClick() {
    mModel.LoadConfiguration();
}

} // namespace quelmo
