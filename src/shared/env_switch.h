// On/off switches in a program's environment, for running the programs unattended in tests.
#pragma once

namespace sk {

// On only for the exact value "1".
bool EnvironmentSwitchSet(const char* name);

}  // namespace sk
