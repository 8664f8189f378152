#pragma once
// One field of an automatic record, found by the record's section stem and
// the field's key in the record tables, with the record's changed flag. The
// editors name their fields this way, so the tables stay the one source of
// members and item lists.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/record_tables.h"

namespace lumivox {

class FieldAccess {
public:
    // nullptr when profile or motor lies outside the image.
    int32_t* value(SettingsImage& image, int profile, int motor) const;
    int32_t* changedFlag(SettingsImage& image, int profile, int motor) const;

    const std::string& stem() const { return stem_; }
    const std::string& key() const { return key_; }
    const ItemList* items() const { return items_; }   // nullptr: direction arrows
    Codec codec() const { return codec_; }
    bool sameField(const FieldAccess& other) const { return stem_ == other.stem_ && key_ == other.key_; }

private:
    friend std::optional<FieldAccess> automaticField(std::string_view, std::string_view);
    using Locate = std::function<int32_t*(SettingsImage&, int, int, bool flag)>;

    std::string stem_;
    std::string key_;
    const ItemList* items_ = nullptr;
    Codec codec_ = Codec::Offset;
    Locate locate_;
};

// The field `key` of the automatic `stem` ("Beschattung", "Regen", ...);
// nullopt for an unknown stem or key.
std::optional<FieldAccess> automaticField(std::string_view stem, std::string_view key);

}  // namespace lumivox
