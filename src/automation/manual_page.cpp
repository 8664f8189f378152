// Page "Hand-, Tast-, Reversier-Autom.": the reversing and push-button
// editors below the room kept for the manual control of the motors.

#include "automation/editor_description.h"

namespace lumivox {

namespace {

using P = Part;

// The group "Handsteuerung" takes the band above the editors.
constexpr int kTop = 148;

// Both reversing times in one column, whatever the width of their captions.
constexpr int kGapX = 212;

constexpr Control kReversing[] = {
    {P::Label, "RA_Label1", {8, 62, 340, 22}, "Rücklauf nach einer Aufwärtsbewegung               s"},
    {P::Selector, "RA_Auf", {kGapX, 0, 52, 0}, nullptr, "Bei_Auf", "Lamellen-Rücklaufzeit nach AUF", "RA_Label1"},
    {P::Label, "RA_Label2", {8, 88, 340, 22}, "Rücklauf nach einer Abwärtsbewegung                s"},
    {P::Selector, "RA_Ab", {kGapX, 0, 52, 0}, nullptr, "Bei_Ab", "Lamellen-Rücklaufzeit nach AB", "RA_Label2"},
};

constexpr Control kPushButton[] = {
    {P::Label, "Tast_Label1", {8, 62, 260, 22}, "Aktivierungszeit bei Auslösung des Bedientasters"},
    {P::Selector, "Tast_Dauer", {274, 62, 66, 0}, nullptr, "Dauer", "Laufzeit des Motors bei Aktivierung"},
};

constexpr EditorDescription kPushButtonEditor{
    "Tast", "TastAutomatik", "GroupBox_Tast_Automatik", "Tast-Automatik", {4, kTop + 154, 386, 100},
    {"Label17", "Tast_Ein_Aus", "Help_TA"}, kPushButton,
    {"Tast_Liste", "Tast_Label2", "Motor / Raum        Ein/Aus     Aktivierungszeit", {396, kTop + 154, 250, 0}},
    &recordLine<&SettingsImage::TastAutomatik, &pushButtonLine>};

constexpr EditorDescription kReversingEditor{
    "RA", "Reversierung", "GroupBox_Reversier", "Reversier-Automatik", {4, kTop, 386, 116},
    {"RA_Label0", "RA_Ein_Aus", "Help_Reversier"}, kReversing,
    {"RA_Liste", "Label51", "Motor / Raum        Ein/Aus     Rückl. nach Auf     Rückl. nach Ab",
     {396, kTop, 403, 0}},
    &recordLine<&SettingsImage::Reversierung, &reversingLine>};

// The page refresh runs push-button before reversing.
constexpr const EditorDescription* kEditors[] = {&kPushButtonEditor, &kReversingEditor};

}  // namespace

const EditorPage& manualPage()
{
    static const EditorPage page{"Handsteuerung_Maske", kEditors, nullptr};
    return page;
}

}  // namespace lumivox
