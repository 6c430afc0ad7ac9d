// Applying a registration plan to the machine's registry.
#pragma once

#include "install/registration_plan.h"

namespace sk {

// Creates every key of the plan in order and sets its values. Failures are not reported: a key
// that cannot be opened simply gets no values, and the next key is still tried.
void ApplyRegistrationPlan(const RegistrationPlan& plan);

}  // namespace sk
