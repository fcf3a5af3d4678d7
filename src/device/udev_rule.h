#pragma once

#include <string_view>

namespace bexlan {

// The udev rule that gives the logged-in user access to the mouse's hidraw nodes; the same
// text as the installed 70-bexlan.rules.
std::string_view UdevRuleText();

} // namespace bexlan
