#include "automation/list_lines.h"

#include "automation/mask_rules.h"
#include "core/item_lists.h"

namespace lumivox {

namespace {

using items::itemOrEmpty;

std::string spaces(size_t n) { return std::string(n, ' '); }

// Right-aligns text in width characters; longer texts stay whole.
std::string padLeft(const std::string& text, size_t width)
{
    return text.size() < width ? spaces(width - text.size()) + text : text;
}

std::string direction(int32_t richtung) { return richtung == 0 ? "^" : "v"; }

// Name column, two blanks, the on/off text and the editor's fixed tail. The
// value columns follow only when the on/off text is "EIN" (an index outside
// the on/off items gives no text, so no values either).
struct Head {
    std::string line;
    bool on;
};

Head head(const std::string& name, int32_t einAus, const char* tail = "")
{
    const std::string& onOff = itemOrEmpty(items::onOff(), einAus);
    return {motorNameColumn(name) + "  " + onOff + tail, onOff == "EIN"};
}

std::string twilightLine(const rec::Daemmerung& r, const std::string& name, const ItemList& hours,
                         size_t blanksBeforeHour)
{
    Head h = head(name, r.EinAus);
    if (!h.on)
        return h.line;
    return h.line + spaces(blanksBeforeHour) + itemOrEmpty(hours, r.Von) + "   " +
           itemOrEmpty(items::twilightBrightness(), r.Helligkeit) + spaces(6) +
           itemOrEmpty(items::durationsWithDauer(), r.Dauer);
}

}  // namespace

std::string motorNameColumn(const std::string& name)
{
    return (name + spaces(11)).substr(0, 12);
}

std::string shadingLine(const rec::Beschattung& r, const std::string& name)
{
    Head h = head(name, r.EinAus);
    if (!h.on)
        return h.line;
    return h.line + " " + padLeft(itemOrEmpty(items::shadingTemperatures(), r.Temperatur), 3) + "\xB0" "C  " +
           itemOrEmpty(items::shadingHours(), r.Von) + " - " + itemOrEmpty(items::shadingHours(), r.Bis) + "  " +
           itemOrEmpty(items::shadingBrightness(), r.Helligkeit) + spaces(6) +
           itemOrEmpty(items::durations(), r.Dauer);
}

std::string morningTwilightLine(const rec::Daemmerung& r, const std::string& name)
{
    return twilightLine(r, name, items::morningHours(), 4);
}

std::string eveningTwilightLine(const rec::Daemmerung& r, const std::string& name)
{
    return twilightLine(r, name, items::eveningHours(), 3);
}

std::string windLine(const rec::Wind& r, int32_t regenRichtung, const std::string& name)
{
    Head h = head(name, r.EinAus, "    ");
    if (!h.on)
        return h.line;
    return h.line + itemOrEmpty(items::windSpeeds(), r.Geschwindigkeit) + "km/h    " + direction(regenRichtung);
}

std::string rainLine(const rec::Regen& r, const std::string& name)
{
    Head h = head(name, r.EinAus, "      ");
    return h.on ? h.line + direction(r.Richtung) : h.line;
}

std::string humidityLine(const rec::FeuchtigkeitsSteuerung& r, const std::string& name)
{
    Head h = head(name, r.EinAus);
    if (!h.on)
        return h.line;
    const std::string& von = itemOrEmpty(items::hours(), r.Von);
    const std::string& bis = itemOrEmpty(items::hours(), r.Bis);
    std::string line = h.line;
    // Equal hours mean the whole day; hours outside the items stay empty.
    const bool wholeDay = von == bis && !von.empty();
    line += wholeDay ? "    ganzt\xE4gig  " : "  " + von + " - " + bis;
    line += "  " + itemOrEmpty(items::humidityComparisons(), r.Gr_KL);
    line += itemOrEmpty(items::humidities(), r.Schwelle1) + " ";
    line += std::string("^    F") + (r.Gr_KL == 0 ? "<" : ">");
    line += itemOrEmpty(items::humidities(), r.Schwelle2) + " ";
    line += humidityMovesDownAtSecond(r.Gr_KL, r.Dauer) ? "v " : "- ";
    line += padLeft(itemOrEmpty(items::durationsWithDauer(), r.Dauer), 6);
    return line;
}

std::string reversingLine(const rec::Reversierung& r, const std::string& name)
{
    Head h = head(name, r.EinAus, "      ");
    if (!h.on)
        return h.line;
    return h.line + itemOrEmpty(items::reversingTimes(), r.Bei_Auf) + "s" + spaces(10) +
           itemOrEmpty(items::reversingTimes(), r.Bei_Ab) + "s";
}

std::string pushButtonLine(const rec::TastAutomatik& r, const std::string& name)
{
    Head h = head(name, r.EinAus, "      ");
    return h.on ? h.line + itemOrEmpty(items::durations(), r.Dauer) : h.line;
}

std::string windListLine(const SettingsImage& s, int p, int m)
{
    if (!validProfile(p) || !validMotor(m))
        return {};
    return windLine(s.Wind[p][m], s.Regen[p][m].Richtung, s.MotorNamen[m]);
}

}  // namespace lumivox
