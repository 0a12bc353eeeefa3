#include "sim/families.h"

#include "sim/content_family.h"
#include "sim/device_family.h"
#include "sim/event_family.h"
#include "sim/font_family.h"
#include "sim/none_family.h"
#include "sim/ogif_family.h"
#include "sim/sign.h"

namespace sim {

// One line per family; a family reads its own settings from the options.
std::vector<std::unique_ptr<CommandFamily>> MakeFamilies(const SimOptions& options)
{
    std::vector<std::unique_ptr<CommandFamily>> families;
    families.push_back(std::make_unique<NoneFamily>(PlainAcknowledgement(options)));
    families.push_back(std::make_unique<DeviceFamily>(options));
    families.push_back(std::make_unique<EventFamily>());
    auto content = std::make_unique<ContentFamily>();
    families.push_back(std::make_unique<FontFamily>(content->Memory()));
    families.push_back(std::make_unique<OgifFamily>(options, *content));
    families.push_back(std::move(content));
    return families;
}

std::vector<std::string_view> FamilySettingNames()
{
    return {DeviceFamily::kAdcOption, OgifFamily::kStoreOption, OgifFamily::kAnswerOption};
}

}  // namespace sim
