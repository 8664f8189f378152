#include "core/item_lists.h"

#include <cstdio>

namespace lumivox {

namespace {

// Windows-1252 bytes of the few non-ASCII characters the lists use.
const std::string kDegree = "\xB0";
const std::string kPlusMinus = "\xB1";

std::string twoDigits(int v)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", v);
    return buf;
}

std::string tenths(int v)   // 40 -> "4,0"
{
    return std::to_string(v / 10) + "," + std::to_string(v % 10);
}

template <typename Fn>
ItemList range(int first, int last, Fn&& text)
{
    ItemList list;
    list.reserve(last - first + 1);
    for (int v = first; v <= last; ++v)
        list.push_back(text(v));
    return list;
}

std::string plain(int v) { return std::to_string(v); }
std::string hourText(int h) { return twoDigits(h) + ":00"; }

ItemList makeDurations(bool withDauer)
{
    ItemList list = range(1, 99, [](int s) { return std::to_string(s) + "s"; });
    for (int s = 100; s <= 990; s += 10)
        list.push_back(std::to_string(s) + "s");
    list.push_back("999s");
    if (withDauer)
        list.push_back("Dauer");
    return list;
}

}  // namespace

namespace items {

const ItemList& weekdays()
{
    static const ItemList list{"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
    return list;
}

const ItemList& switchingTimes()
{
    static const ItemList list = [] {
        ItemList l{"     "};
        for (int minute = 0; minute < 24 * 60; ++minute)
            l.push_back(twoDigits(minute / 60) + ":" + twoDigits(minute % 60));
        return l;
    }();
    return list;
}

const ItemList& switchingDurations()
{
    static const ItemList list = [] {
        ItemList l = range(1, 99, [](int s) { return std::to_string(s) + "s"; });
        for (int s = 100; s <= 360; s += 10)
            l.push_back(std::to_string(s));
        l.push_back("Dau");
        return l;
    }();
    return list;
}

const ItemList& durations()
{
    static const ItemList list = makeDurations(false);
    return list;
}

const ItemList& durationsWithDauer()
{
    static const ItemList list = makeDurations(true);
    return list;
}

const ItemList& onOff()
{
    static const ItemList list{"EIN", "AUS"};
    return list;
}

const ItemList& switchingFunctions()
{
    static const ItemList list{"-", "Astro", "Zufall"};
    return list;
}

const ItemList& shadingTemperatures()
{
    static const ItemList list = range(-10, 35, plain);
    return list;
}

const ItemList& shadingHours()
{
    static const ItemList list = range(5, 22, hourText);
    return list;
}

const ItemList& shadingBrightness()
{
    static const ItemList list = range(100, 255, plain);
    return list;
}

const ItemList& morningHours()
{
    static const ItemList list = range(3, 10, hourText);
    return list;
}

const ItemList& eveningHours()
{
    static const ItemList list = range(14, 23, hourText);
    return list;
}

const ItemList& twilightBrightness()
{
    static const ItemList list = range(1, 250, plain);
    return list;
}

const ItemList& windSpeeds()
{
    static const ItemList list = range(1, 19, [](int k) { return std::to_string(k * 5); });
    return list;
}

const ItemList& reversingTimes()
{
    static const ItemList list = range(0, 40, tenths);
    return list;
}

const ItemList& hours()
{
    static const ItemList list = range(0, 23, hourText);
    return list;
}

const ItemList& setTemperatures()
{
    static const ItemList list = range(1, 50, [](int t) { return std::to_string(t) + kDegree; });
    return list;
}

const ItemList& controlRanges()
{
    static const ItemList list = range(1, 9, [](int t) { return std::to_string(t) + kDegree; });
    return list;
}

const ItemList& steps()
{
    static const ItemList list = range(2, 9, plain);
    return list;
}

const ItemList& thresholdTemperatures()
{
    static const ItemList list = range(-9, 50, [](int t) { return std::to_string(t) + kDegree; });
    return list;
}

const ItemList& humidities()
{
    static const ItemList list = range(1, 99, [](int h) { return std::to_string(h) + "%"; });
    return list;
}

const ItemList& humidityComparisons()
{
    static const ItemList list{"F>", "F<"};
    return list;
}

const ItemList& heatingTemperatures()
{
    static const ItemList list =
        range(40, 295, [](int t) { return tenths(t) + kDegree + "C"; });
    return list;
}

const ItemList& randomSpans()
{
    static const ItemList list =
        range(2, 254, [](int m) { return kPlusMinus + " " + std::to_string(m) + " min"; });
    return list;
}

const ItemList& shadingHystereses()
{
    static const ItemList list = range(2, 50, plain);
    return list;
}

const ItemList& sensorOffsets()
{
    static const ItemList list = range(-5, 5, [](int o) {
        std::string sign = o < 0 ? "- " : o > 0 ? "+ " : "";
        return sign + std::to_string(o < 0 ? -o : o) + " " + kDegree + "C";
    });
    return list;
}

const ItemList& profiles()
{
    static const ItemList list{"Standard", "Alternativ"};
    return list;
}

const ItemList& heatingHystereses()
{
    static const ItemList list =
        range(1, 9, [](int t) { return kPlusMinus + " 0," + std::to_string(t) + " " + kDegree + "C"; });
    return list;
}

const ItemList& ports()
{
    static const ItemList list = range(1, 16, [](int n) { return "COM " + std::to_string(n); });
    return list;
}

const std::string& itemOrEmpty(const ItemList& list, int index)
{
    static const std::string empty;
    if (index < 0 || static_cast<size_t>(index) >= list.size())
        return empty;
    return list[index];
}

}  // namespace items

int switchingDurationSeconds(int index)
{
    return index < 99 ? index + 1 : 100 + 10 * (index - 99);
}

}  // namespace lumivox
