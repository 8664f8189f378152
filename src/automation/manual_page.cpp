// Page "Hand-, Tast-, Reversier-Autom.": the reversing and push-button
// editors below the room kept for the manual control of the motors.

#include "automation/editor_spec.h"

namespace lumivox {

namespace {

using P = Part;

constexpr const char* kCaption43 = "Motor- bzw. Raumname                                           EIN / AUS";

// The group "Handsteuerung" takes the band above the editors.
constexpr int kTop = 148;

constexpr Control kReversing[] = {
    {P::Caption, "RA_Label0", {8, 20, 300, 14}, kCaption43},
    {P::Help, "Help_Reversier", {356, 14, 22, 20}},
    {P::Motor, "RA_Raum", {8, 34, 0, 0}},
    {P::OnOff, "RA_Ein_Aus", {-1, 34, 52, 0}},
    {P::Label, "RA_Label1", {8, 62, 340, 22}, "Rücklauf nach einer Aufwärtsbewegung               s"},
    {P::Selector, "RA_Auf", {0, 0, 52, 0}, nullptr, "Bei_Auf", "Lamellen-Rücklaufzeit nach AUF", "RA_Label1"},
    {P::Label, "RA_Label2", {8, 88, 340, 22}, "Rücklauf nach einer Abwärtsbewegung                s"},
    {P::Selector, "RA_Ab", {0, 0, 52, 0}, nullptr, "Bei_Ab", "Lamellen-Rücklaufzeit nach AB", "RA_Label2"},
};

constexpr Control kPushButton[] = {
    {P::Caption, "Label17", {8, 20, 300, 14}, kCaption43},
    {P::Help, "Help_TA", {356, 14, 22, 20}},
    {P::Motor, "Tast_Raum", {8, 34, 0, 0}},
    {P::OnOff, "Tast_Ein_Aus", {-1, 34, 52, 0}},
    {P::Label, "Tast_Label1", {8, 62, 260, 22}, "Aktivierungszeit bei Auslösung des Bedientasters"},
    {P::Selector, "Tast_Dauer", {274, 62, 66, 0}, nullptr, "Dauer", "Laufzeit des Motors bei Aktivierung"},
};

constexpr EditorSpec kPushButtonEditor{
    "Tast", "TastAutomatik", "GroupBox_Tast_Automatik", "Tast-Automatik", {4, kTop + 154, 386, 100}, kPushButton,
    {"Tast_Liste", "Tast_Label2", "Motor / Raum        Ein/Aus     Aktivierungszeit", {396, kTop + 154, 250, 0}},
    &recordLine<&SettingsImage::TastAutomatik, &pushButtonLine>};

constexpr EditorSpec kReversingEditor{
    "RA", "Reversierung", "GroupBox_Reversier", "Reversier-Automatik", {4, kTop, 386, 116}, kReversing,
    {"RA_Liste", "Label51", "Motor / Raum        Ein/Aus     Rückl. nach Auf     Rückl. nach Ab",
     {396, kTop, 403, 0}},
    &recordLine<&SettingsImage::Reversierung, &reversingLine>};

// The page refresh runs push-button before reversing.
constexpr const EditorSpec* kEditors[] = {&kPushButtonEditor, &kReversingEditor};

}  // namespace

const EditorPage& manualPage()
{
    static const EditorPage page{"Handsteuerung_Maske", kEditors, nullptr};
    return page;
}

}  // namespace lumivox
