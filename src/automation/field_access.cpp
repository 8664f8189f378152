#include "automation/field_access.h"

namespace lumivox {

int32_t* FieldAccess::value(SettingsImage& image, int profile, int motor) const
{
    return locate_(image, profile, motor, false);
}

int32_t* FieldAccess::changedFlag(SettingsImage& image, int profile, int motor) const
{
    return locate_(image, profile, motor, true);
}

std::optional<FieldAccess> automaticField(std::string_view stem, std::string_view key)
{
    std::optional<FieldAccess> found;
    forEachAutomaticKind([&](auto kind) {
        if (found || kind.stem != stem)
            return;
        for (const auto& field : kind.fields) {
            if (field.key != key)
                continue;
            FieldAccess access;
            access.stem_ = std::string(stem);
            access.key_ = std::string(key);
            access.items_ = field.items ? &field.items() : nullptr;
            access.codec_ = field.conversion.codec;
            access.locate_ = [records = kind.records, member = field.member](SettingsImage& image, int profile,
                                                                            int motor, bool flag) -> int32_t* {
                if (!validProfile(profile) || !validMotor(motor))
                    return nullptr;
                auto& record = (image.*records)[profile][motor];
                return flag ? &record.Geaendert : &(record.*member);
            };
            found = std::move(access);
            return;
        }
    });
    return found;
}

}  // namespace lumivox
