#include "device/udev_rule.h"

namespace bexlan {

std::string_view UdevRuleText()
{
    static constexpr std::string_view kText =
#include "device/udev_rule_text.inc"
        ;
    return kText;
}

} // namespace bexlan
