#include "automation/mask_rules.h"

#include "core/item_lists.h"

namespace lumivox {

namespace rules {

namespace {
constexpr int kLastShadingHour = 17;   // "22:00"
constexpr int kLastHumidity = 98;      // "99%"
}  // namespace

IndexPair shadingWindowAfterVon(IndexPair p, int)
{
    if (p.first >= kLastShadingHour - 1)
        return {kLastShadingHour - 1, kLastShadingHour};
    if (p.first >= p.second)
        p.second = p.first + 1;
    return p;
}

IndexPair shadingWindowAfterBis(IndexPair p, int)
{
    if (p.second <= 0)
        return {0, 1};
    if (p.second <= p.first)
        p.first = p.second - 1;
    return p;
}

IndexPair hoursAfterVon(IndexPair p, int)
{
    if (p.second < p.first)
        p.second = p.first;
    return p;
}

IndexPair hoursAfterBis(IndexPair p, int)
{
    if (p.second < p.first)
        p.first = p.second;
    return p;
}

IndexPair humidityAfterFirst(IndexPair p, int comparison)
{
    auto& [s1, s2] = p;
    if (comparison == 0) {
        if (s1 <= s2) {
            if (s1 >= 1)
                s2 = s1 - 1;
            else
                p = {1, 0};
        }
    } else if (s1 >= s2) {
        if (s1 <= kLastHumidity - 1)
            s2 = s1 + 1;
        else
            p = {kLastHumidity - 1, kLastHumidity};
    }
    return p;
}

IndexPair humidityAfterSecond(IndexPair p, int comparison)
{
    auto& [s1, s2] = p;
    if (comparison == 0) {
        if (s2 >= s1) {
            if (s2 <= kLastHumidity - 1)
                s1 = s2 + 1;
            else
                p = {kLastHumidity, kLastHumidity - 1};
        }
    } else if (s2 <= s1) {
        if (s2 >= 1)
            s1 = s2 - 1;
        else
            p = {0, 1};
    }
    return p;
}

}  // namespace rules

std::string humiditySecondComparison(int grKl)
{
    return items::humidityComparisons()[grKl == 0 ? 1 : 0];
}

bool humidityMovesDownAtSecond(int grKl, int dauer)
{
    return grKl != 1 && dauer < 190;
}

}  // namespace lumivox
