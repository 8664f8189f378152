#pragma once
// The list-and-mask pattern, once for every automation editor: a list of
// eight lines (one per motor of the edited profile) beside a mask for one
// motor. Mask load, visibility, list rebuild, commit and page refresh, and
// the four user events, all driven by an EditorDescription.

#include <QObject>
#include <QString>
#include <vector>

#include "automation/editor_description.h"
#include "automation/field_access.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QWidget;

namespace lumivox {

class TVirelta;

class ListMaskEditor {
public:
    // Builds the mask's group box and the list on page. order: the editor's
    // place among all editors, which fixes the order of joint commits.
    ListMaskEditor(TVirelta& window, QWidget* page, const EditorDescription& description, int order);

    const EditorDescription& description() const { return description_; }
    // Joins two editors whose masks show a field of the same record field: a
    // pick in such a selector commits both, each commit reloads both masks.
    static void linkSharedFields(std::vector<ListMaskEditor*> editors);

    // Start-up: first line and motor 1, mask and list from the model.
    void startUp();
    // Motor names into X_Raum, mask motor from the selected line, mask load,
    // visibility, list rebuild. Sets no changed flag.
    void pageRefresh();
    // New motor names: X_Raum items and the list lines, nothing else.
    void takeMotorNames();
    void rebuildList();
    // Flags the mask's record, reloads the mask, rebuilds the list.
    void commit();

    int maskMotor() const;

    // The user events (also what tests drive).
    void listClicked(int row);
    void listDoubleClicked(int row);
    void motorPicked();
    void valuePicked(QComboBox* selector);

private:
    struct Bound {
        QComboBox* combo;
        FieldAccess field;
        bool shared = false;
    };

    QWidget* build(QGroupBox* group, const Control& c);
    void arrangeMask();
    void maskLoad();
    void applyVisibility();
    void applyDerived();
    void selectMaskLine();
    void storeIndex(const Bound& b, int index);
    const Bound* bound(const QString& name) const;
    int profile() const;

    TVirelta& window_;
    const EditorDescription& description_;
    int order_;
    QGroupBox* group_ = nullptr;
    QComboBox* motor_ = nullptr;
    QComboBox* onOff_ = nullptr;
    QListWidget* list_ = nullptr;
    std::vector<Bound> selectors_;          // the on/off selector first
    std::vector<QWidget*> followers_;       // shown only while "EIN"
    std::vector<ListMaskEditor*> partners_;
    bool selecting_ = false;                // the list selection is being set by code
    QObject connections_;                   // ends the widget connections with the editor
};

}  // namespace lumivox
