#pragma once
// Fixtures and comparisons shared by the settings-file tests of every layer.

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/record_tables.h"
#include "core/settings_image.h"

namespace lumivox::filetest {

inline std::string fixturePath(const std::string& name)
{
    return std::string(LUMIVOX_TEST_DATA) + "/" + name;
}

// The bytes of a file; "<missing>" when it cannot be read.
inline std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "<missing>";
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string fixture(const std::string& name)
{
    return readBytes(fixturePath(name));
}

// The number of items a field's selector offers.
template <typename Field>
int itemCount(const Field& field)
{
    if (field.items)
        return static_cast<int>(field.items().size());
    return field.conversion.codec == Codec::UpDownOff ? 3 : 2;
}

// The image behind varied.vsz (see make_fixtures.py): every field walks
// through its items by the same formulas the script uses.
inline SettingsImage variedImage()
{
    SettingsImage image;
    image.MotorNamen = {"K\xFC" "che", "Wohn=Zimmer", " Bad, oben ", "B\xFCro  ", "  G\xE4ste", "Motor 6",
                        "Stra\xDF" "e=S\xFC" "d,Ost", ""};
    for (int d = 0; d < kDays; ++d)
        for (int m = 0; m < kMotors; ++m)
            for (int n = 0; n < kNumbers; ++n) {
                const int i = d * 64 + m * 8 + n;
                image.Schaltzeit[d][m][n] = {i % 2, (i * 37) % 1441, (i * 3) % 127, std::array{1, 2, 5, 7}[i % 4],
                                             i % 3, 1};
            }
    int k = 0;
    forEachAutomaticKind([&](const auto& kind) {
        for (int p = 0; p < kProfiles; ++p)
            for (int m = 0; m < kMotors; ++m) {
                int j = 0;
                for (const auto& field : kind.fields) {
                    (image.*kind.records)[p][m].*field.member = (k * 5 + p * 8 + m + j * 7) % itemCount(field);
                    ++j;
                }
            }
        ++k;
    });
    for (int m = 0; m < kMotors; ++m)
        image.AlarmPattern[m] = m % 3;
    image.Parameter = {252, 0, 0, 10, 1, 8};
    image.GruppenZentralsteuerung.Gruppe = {5, 0, 255, 128};
    return image;
}

// Every field in which two images differ, as "Record[..].Field: a != b".
inline std::vector<std::string> differences(const SettingsImage& a, const SettingsImage& b)
{
    std::vector<std::string> out;
    auto compare = [&out](const std::string& where, auto x, auto y) {
        if (x != y) {
            std::ostringstream s;
            s << where << ": " << x << " != " << y;
            out.push_back(s.str());
        }
    };
    auto at = [](const char* stem, std::initializer_list<int> indexes, const char* key) {
        std::string s = stem;
        for (int i : indexes)
            s += "[" + std::to_string(i) + "]";
        return s + "." + key;
    };
    for (int d = 0; d < kDays; ++d)
        for (int m = 0; m < kMotors; ++m)
            for (int n = 0; n < kNumbers; ++n) {
                const auto& x = a.Schaltzeit[d][m][n];
                const auto& y = b.Schaltzeit[d][m][n];
                for (const auto& field : tables::kSchaltzeitFields)
                    compare(at("Schaltzeit", {d, m, n}, field.key), x.*field.member, y.*field.member);
                compare(at("Schaltzeit", {d, m, n}, "Geaendert"), x.Geaendert, y.Geaendert);
            }
    forEachAutomaticKind([&](const auto& kind) {
        for (int p = 0; p < kProfiles; ++p)
            for (int m = 0; m < kMotors; ++m) {
                const auto& x = (a.*kind.records)[p][m];
                const auto& y = (b.*kind.records)[p][m];
                for (const auto& field : kind.fields)
                    compare(at(kind.stem, {p, m}, field.key), x.*field.member, y.*field.member);
                compare(at(kind.stem, {p, m}, "Geaendert"), x.Geaendert, y.Geaendert);
            }
    });
    for (int m = 0; m < kMotors; ++m) {
        compare(at("AlarmPattern", {m}, ""), a.AlarmPattern[m], b.AlarmPattern[m]);
        compare(at("MotorNamen", {m}, ""), "'" + a.MotorNamen[m] + "'", "'" + b.MotorNamen[m] + "'");
    }
    for (const auto& field : tables::kParameterFields)
        compare(std::string("Parameter.") + field.key, a.Parameter.*field.member, b.Parameter.*field.member);
    for (int g = 0; g < 4; ++g)
        compare(at("Gruppe", {g}, ""), a.GruppenZentralsteuerung.Gruppe[g], b.GruppenZentralsteuerung.Gruppe[g]);
    compare("BearbeitetesProfil", a.BearbeitetesProfil, b.BearbeitetesProfil);
    return out;
}

// The first line (1-based, with both texts) where two files differ; "" when equal.
inline std::string firstDifferentLine(const std::string& a, const std::string& b)
{
    std::istringstream x(a), y(b);
    std::string lx, ly;
    for (int line = 1;; ++line) {
        const bool gx = static_cast<bool>(std::getline(x, lx));
        const bool gy = static_cast<bool>(std::getline(y, ly));
        if (!gx && !gy)
            return a == b ? "" : "same lines, different bytes";
        if (gx != gy || lx != ly)
            return "line " + std::to_string(line) + ": '" + (gx ? lx : "<end>") + "' vs '" + (gy ? ly : "<end>") + "'";
    }
}

}  // namespace lumivox::filetest
