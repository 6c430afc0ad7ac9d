// What the finish page's Finish button does: the log, the shortcuts, the readme, the program
// to run and the post-install program, in that order.
#pragma once

#include "install/finish_plan.h"

namespace sk {

// Carries out the finish plan of the user's choices. When setup.log cannot be created the user
// is told so and nothing after the log happens. The post-install program's process stays with
// the application object, which waits for it at shutdown.
void CarryOutFinish(const FinishChoices& choices, const BaseFolders& folders);

}  // namespace sk
