// Page "Wind-, Regen-, Feuchte": wind and rain, which share the direction
// held in the rain record, and the humidity control.

#include <QProgressBar>
#include <QWidget>

#include "automation/editor_description.h"
#include "automation/page_parts.h"
#include "core/text.h"
#include "core/widgets.h"

namespace lumivox {

namespace {

using P = Part;

constexpr const char* kDirectionHint = "In diese Richtung fährt der Antrieb bei Wind und Regen";

constexpr Control kWind[] = {
    {P::Label, "EW_Label1", {8, 62, 300, 22}, "Bei Wingeschwindigkeit größer        km/h"},
    {P::Selector, "EW_kmh", {0, 0, 48, 0}, nullptr, "Geschwindigkeit", nullptr, "EW_Label1"},
    {P::Label, "EW_Label2", {8, 88, 220, 22}, "Bei Wind fährt der Antrieb in Richtung"},
    {P::Selector, "EW_Richtung", {230, 88, 44, 0}, nullptr, "Regen.Richtung", kDirectionHint},
    {P::Label, "EW_Label3", {8, 112, 366, 18}, "(Richtung gilt auch für \"Einfahren bei Regen\""},
};

constexpr Control kRain[] = {
    {P::Label, "ER_Label1", {8, 62, 220, 22}, "Bei Regen fährt der Antrieb in Richtung"},
    {P::Selector, "ER_Richtung", {230, 62, 44, 0}, nullptr, "Richtung", kDirectionHint},
    {P::Label, "ER_Label2", {8, 88, 366, 18},
     "(Festlegung der Richtung gilt auch für Menü \"Einfahren bei Wind\""},
};

// The threshold row reads: comparison, threshold 1, movement, complementary
// comparison, threshold 2, movement, run time.
constexpr int kLabelY = 84, kLabelH = 28, kValueY = 112;
constexpr Control kHumidity[] = {
    {P::Label, "RelF_Label_1", {8, 60, 110, 22}, "aktiviert von - bis"},
    {P::Selector, "RelF_von", {120, 60, 62, 0}, nullptr, "Von"},
    {P::Selector, "RelF_bis", {186, 60, 62, 0}, nullptr, "Bis"},
    {P::Label, "RelF_Label_2", {8, kLabelY, 44, kLabelH}, "größer kleiner"},
    {P::Selector, "RelF_gr_kl", {8, kValueY, 44, 0}, nullptr, "Gr_KL",
     "Auslösung bei Über- bzw. Unterschreiten der Schwelle 1"},
    {P::Label, "RelF_Label_3", {56, kLabelY, 54, kLabelH}, "Feuchte- Schwelle 1"},
    {P::Selector, "RelF_Schwelle_1", {56, kValueY, 54, 0}, nullptr, "Schwelle1",
     "Grenz-Feuchte, deren Über- bzw. Unterschreiten zur Auslösung führt"},
    {P::Label, "RelF_Label_4", {114, kLabelY, 24, kLabelH}, "Auf Ab"},
    {P::Derived, "RelF_Auf_Ab", {114, kValueY, 24, 0}},
    {P::Derived, "RelF_kl_gr", {142, kValueY, 30, 0}, "F<"},
    {P::Label, "RelF_Label_5", {176, kLabelY, 54, kLabelH}, "Feuchte- Schwelle 2"},
    {P::Selector, "RelF_Schwelle_2", {176, kValueY, 54, 0}, nullptr, "Schwelle2",
     "Zweite Schwelle der rel. Luftfeuchtigkeit"},
    {P::Derived, "RelF_Ab_Auf", {234, kValueY, 24, 0}},
    {P::Label, "RelF_Label_6", {262, kLabelY, 62, kLabelH}, "Stellzeit"},
    {P::Selector, "RelF_Stellzeit", {262, kValueY, 62, 0}, nullptr, "Dauer",
     "Laufzeit des Antriebs: 1 ... 99s bzw. Dauerbetrieb (z.B. für Ventilatoren)"},
};

constexpr RuleRow kHumidityRules[] = {
    {"RelF_gr_kl", "RelF_Schwelle_1", "RelF_Schwelle_2", "RelF_gr_kl", rules::humidityAfterFirst},
    {"RelF_Schwelle_1", "RelF_Schwelle_1", "RelF_Schwelle_2", "RelF_gr_kl", rules::humidityAfterFirst},
    {"RelF_Schwelle_2", "RelF_Schwelle_1", "RelF_Schwelle_2", "RelF_gr_kl", rules::humidityAfterSecond},
    {"RelF_von", "RelF_von", "RelF_bis", nullptr, rules::hoursAfterVon},
    {"RelF_bis", "RelF_von", "RelF_bis", nullptr, rules::hoursAfterBis},
};

QString upArrow(int, int) { return arrowItemsUpDown()[0]; }
QString secondComparison(int grKl, int) { return fromWindows1252(humiditySecondComparison(grKl)); }
QString secondMovement(int grKl, int dauer)
{
    return humidityMovesDownAtSecond(grKl, dauer) ? arrowItemsUpDown()[1] : QStringLiteral("–");
}

constexpr DerivedRow kHumidityDerived[] = {
    {"RelF_Auf_Ab", nullptr, nullptr, upArrow},
    {"RelF_kl_gr", "RelF_gr_kl", nullptr, secondComparison},
    {"RelF_Ab_Auf", "RelF_gr_kl", "RelF_Stellzeit", secondMovement},
};

constexpr EditorDescription kWindEditor{
    "EW", "Wind", "GroupBox_EW", "Einfahren bei Wind", {4, 0, 386, 134}, {"EW_Label0", "EW_Ein_Aus", "Help_EW"}, kWind,
    {"EW_Liste", "Label46", "Motor / Raum        Ein/Aus     bei v >        in Richtung", {396, 0, 266, 0}},
    &windListLine};

constexpr EditorDescription kRainEditor{
    "ER", "Regen", "GroupBox_ER", "Einfahren bei Regen", {4, 154, 386, 110}, {"ER_Label0", "ER_Ein_Aus", "Help_ER"},
    kRain,
    {"ER_Liste", "Label47", "Motor / Raum        Ein/Aus     in Richtung", {396, 154, 266, 0}},
    &recordLine<&SettingsImage::Regen, &rainLine>};

constexpr EditorDescription kHumidityEditor{
    "RelF", "FeuchtigkeitsSteuerung", "FeuchteSteuerung", "Luftfeuchtigkeits-Steuerung", {4, 308, 336, 150},
    {"Label29", "RelF_Ein_Aus", "Help_Feuchte"}, kHumidity,
    {"RelF_Liste", "RelF_Label_7",
     "Motor / Raum      Ein/Aus     von      -       bis         Schwelle 1        Schwelle 2    Stellzeit",
     {346, 308, 453, 0}},
    &recordLine<&SettingsImage::FeuchtigkeitsSteuerung, &humidityLine>, kHumidityRules, kHumidityDerived};

constexpr const EditorDescription* kEditors[] = {&kWindEditor, &kRainEditor, &kHumidityEditor};

void decorate(QWidget* page)
{
    LiveColumn column(page, {670, 0, 129, 300});
    column.caption("Aktuelle Windgeschwindigkeit");
    column.field("AktWind");
    auto* bar = new QProgressBar(page);
    bar->setObjectName(QStringLiteral("WindProgressBar"));
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    column.add(bar, 12);
    column.caption("Maximale Windgeschwindigkeit");
    column.field("MaxWind");
    column.caption("Status:");
    column.field("RegenStatus");
    column.caption("Relative Luftfeuchtigkeit");
    column.field("RelFeuchte");
    profileLabel(page, "AP_Label2", {670, 262, 129, 40});
}

}  // namespace

const EditorPage& windRainPage()
{
    static const EditorPage page{"Wind_Regen_Maske", kEditors, &decorate};
    return page;
}

}  // namespace lumivox
