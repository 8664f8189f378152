#pragma once
// The description of one list-and-mask editor. Everything that differs from
// editor to editor is data here; ListMaskEditor runs the pattern for all.

#include <QString>
#include <span>

class QWidget;

#include "automation/list_lines.h"
#include "automation/mask_rules.h"

namespace lumivox {

struct Box {
    int x, y, w, h;
};

// The parts of a mask. Every mask starts with the same head (MaskHead):
// caption, motor selector X_Raum, on/off selector and "?", always visible.
// Selector, Label, Derived and Live follow the on/off selector (visible only
// while it shows "EIN").
enum class Part {
    Motor,      // X_Raum: the mask motor, items are the motor names
    OnOff,      // "EIN" / "AUS", field EinAus
    Caption,    // the column titles above motor and on/off selector
    Help,       // "?"
    Selector,   // a parameter selector bound to a record field
    Label,      // a parameter label
    Derived,    // a read-only field computed from selectors (see DerivedRow)
    Live,       // a read-only field the link fills with a measured value
};

struct Control {
    Part part;
    const char* name;
    Box at;                        // inside the mask's group box; h 0: one row
    const char* text = nullptr;    // caption or initial text, UTF-8
    // Selector: the field key in the editor's own record, or "Stem.Key" for a
    // field of another automatic (the wind mask shows the rain direction).
    const char* field = nullptr;
    const char* hint = nullptr;    // UTF-8
    // Selector: sits in the run of blanks of this label's caption (the label
    // reads around it, e.g. "größer [30] km/h").
    const char* inGapOf = nullptr;
};

// After a pick in `picked`, `rule` adjusts the pair (first, second); `mode`
// names the selector whose index the rule gets as its mode, if any. Both
// indexes of the pair are then stored.
struct RuleRow {
    const char* picked;
    const char* first;
    const char* second;
    const char* mode;
    PairRule rule;
};

// A derived field's text from the indexes of up to two selectors; a null
// QString leaves the field as it is.
struct DerivedRow {
    const char* name;
    const char* a;
    const char* b;
    QString (*text)(int a, int b);
};

// The column titles of most masks.
inline constexpr const char* kMaskCaption =
    "Motor- bzw. Raumname                                           EIN / AUS";

// The head every mask starts with; the motor selector is named X_Raum.
struct MaskHead {
    const char* caption;                   // objectName of the caption label
    const char* onOff;                     // objectName of the on/off selector
    const char* help;                      // objectName of the "?" button
    const char* captionText = kMaskCaption;
};

struct ListDescription {
    const char* name;          // X_Liste
    const char* header;        // its header label
    const char* headerText;    // UTF-8
    Box at;                    // header top-left and width; the list takes 8 lines below it
};

struct EditorDescription {
    const char* prefix;        // "BA", "DM", ...
    const char* stem;          // the record: "Beschattung", ...
    const char* group;         // objectName of the mask's group box
    const char* title;         // its caption, UTF-8
    Box groupAt;               // on the page
    MaskHead head;
    std::span<const Control> controls;   // the parameter part of the mask
    ListDescription list;
    ListLine line;
    std::span<const RuleRow> rules = {};
    std::span<const DerivedRow> derived = {};
};

// One page of editors, in the order of its page refresh, and the page's
// other controls (live values, profile label).
struct EditorPage {
    const char* page;
    std::span<const EditorDescription* const> editors;
    void (*decorate)(QWidget* page);
};

const EditorPage& shadingPage();      // "Beschattung, Dämmerung"
const EditorPage& windRainPage();     // "Wind-, Regen-, Feuchte"
const EditorPage& manualPage();       // "Hand-, Tast-, Reversier-Autom."

}  // namespace lumivox
