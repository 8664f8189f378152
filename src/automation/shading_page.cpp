// Page "Beschattung, Dämmerung": shading, morning and evening twilight.

#include <QGroupBox>
#include <QWidget>

#include "automation/editor_description.h"
#include "automation/page_parts.h"
#include "core/live_fields.h"

namespace lumivox {

namespace {

using P = Part;

constexpr const char* kBrightnessHint = "Durch Anklicken zwischen aktuellem und mittlerem Wert wechseln";
constexpr const char* kTwilightDurationHint = "Laufzeit des Motors bei Aktivierung";

// Labels above their selectors: a row of two-line captions, then the row of selectors.
constexpr int kLabelY = 58, kLabelH = 28, kValueY = 86;

constexpr Control kShading[] = {
    {P::Label, "BA_Label1", {8, kLabelY, 46, kLabelH}, "ab T/°C"},
    {P::Selector, "BA_Temperatur", {8, kValueY, 46, 0}, nullptr, "Temperatur",
     "Beschattung nur, wenn diese Temperatur erreicht ist"},
    {P::Label, "BA_Label2", {60, kLabelY, 128, kLabelH}, "Beschattung ist aktiv im Zeitraum von - bis"},
    {P::Selector, "BA_von", {60, kValueY, 62, 0}, nullptr, "Von"},
    {P::Selector, "BA_Bis", {126, kValueY, 62, 0}, nullptr, "Bis"},
    {P::Label, "BA_Label3", {194, kLabelY, 52, kLabelH}, "Grenz- Lux-Wert"},
    {P::Selector, "BA_Lux", {194, kValueY, 52, 0}, nullptr, "Helligkeit", "Bei dieser Helligkeit wird beschattet"},
    {P::Label, "BA_Label4", {252, kLabelY, 62, kLabelH}, "Aktivie- rungszeit"},
    {P::Selector, "BA_Dauer", {252, kValueY, 62, 0}, nullptr, "Dauer", "Laufzeit des Antriebes bei Beschattung"},
    {P::Label, "BA_Label5", {320, kLabelY, 54, kLabelH}, "Lux mittel"},
    {P::Live, "BA_LuxAktuell", {320, kValueY, 54, 0}, "250", nullptr, kBrightnessHint},
};

constexpr RuleRow kShadingRules[] = {
    {"BA_von", "BA_von", "BA_Bis", nullptr, rules::shadingWindowAfterVon},
    {"BA_Bis", "BA_von", "BA_Bis", nullptr, rules::shadingWindowAfterBis},
};

// Morning and evening differ only in names and texts.
#define TWILIGHT_CONTROLS(X, caption1, luxHint)                                                         \
    {P::Label, X "_Label1", {8, kLabelY, 150, kLabelH}, caption1},                                      \
    {P::Selector, X "_von", {8, kValueY, 62, 0}, nullptr, "Von"},                                       \
    {P::Label, X "_Label2", {164, kLabelY, 56, kLabelH}, "Grenz- Lux-Wert"},                            \
    {P::Selector, X "_Lux", {164, kValueY, 56, 0}, nullptr, "Helligkeit", luxHint},                     \
    {P::Label, X "_Label3", {226, kLabelY, 66, kLabelH}, "Aktivie- rungszeit"},                         \
    {P::Selector, X "_Dauer", {226, kValueY, 66, 0}, nullptr, "Dauer", kTwilightDurationHint},          \
    {P::Label, X "_Label4", {298, kLabelY, 54, kLabelH}, "Lux mittel"},                                 \
    {P::Live, X "_LuxAktuell", {298, kValueY, 54, 0}, "250", nullptr, kBrightnessHint}

constexpr Control kMorning[] = {TWILIGHT_CONTROLS("DM", "Dämmerungsautomatik ist morgens aktiviert ab",
                                                  "Bei dieser Helligkeit wird der Rollladen geöffnet")};
constexpr Control kEvening[] = {TWILIGHT_CONTROLS("DA", "Dämmerungsautomatik ist abends aktiviert ab",
                                                  "Bei dieser Helligkeit wird der Rollladen geschlossen")};
#undef TWILIGHT_CONTROLS

constexpr int kListX = 396, kListW = 403;

constexpr EditorDescription kShadingEditor{
    "BA", "Beschattung", "GroupBox_Beschattung", "Beschattungsautomatik", {4, 0, 386, 116},
    {"Label26", "BA_EIN_AUS", "Help_BA", "Motor- bzw. Raumname                                          EIN / AUS"},
    kShading,
    {"BA_Liste", "Label28",
     "Motor / Raum    Ein/Aus    T/°C        von      -       bis      bei Lux     Aktivierungszeit",
     {kListX, 2, kListW, 0}},
    &recordLine<&SettingsImage::Beschattung, &shadingLine>, kShadingRules};

constexpr EditorDescription kMorningEditor{
    "DM", "DaemmerungMorgen", "GroupBox_DM", "Dämmerungsautomatik Morgen", {4, 118, 386, 116},
    {"DM_Label0", "DM_Ein_Aus", "Help_DM"}, kMorning,
    {"DM_Liste", "Label18", "Motor / Raum      Ein/Aus          ab        bei Lux     Aktivierungszeit",
     {kListX, 154, kListW, 0}},
    &recordLine<&SettingsImage::DaemmerungMorgen, &morningTwilightLine>};

constexpr EditorDescription kEveningEditor{
    "DA", "DaemmerungAbend", "GroupBox_DA", "Dämmerungsautomatik Abend", {4, 236, 386, 116},
    {"DA_Label0", "DA_Ein_Aus", "Help_DA"}, kEvening,
    {"DA_Liste", "Label19", "Motor / Raum     Ein/Aus          ab        bei Lux     Aktivierungszeit",
     {kListX, 308, kListW, 0}},
    &recordLine<&SettingsImage::DaemmerungAbend, &eveningTwilightLine>};

constexpr const EditorDescription* kEditors[] = {&kShadingEditor, &kMorningEditor, &kEveningEditor};

void decorate(QWidget* page)
{
    QGroupBox* indoor = makeIndoorTemperatureGroup(page, QString());
    QGroupBox* outdoor = makeOutdoorTemperatureGroup(page, QString());
    compactLiveGroup(indoor, {4, 356, 150, 104});
    compactLiveGroup(outdoor, {160, 356, 150, 104});
    profileLabel(page, "AP_Label1", {316, 372, 74, 60});
}

}  // namespace

const EditorPage& shadingPage()
{
    static const EditorPage page{"Beschattung_Maske", kEditors, &decorate};
    return page;
}

}  // namespace lumivox
