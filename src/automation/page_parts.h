#pragma once
// The controls of the automation pages outside the editors: live values the
// link fills by name, and the profile label.

#include "automation/editor_description.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace lumivox {

// "Alternatives Profil ist aktiv", bold, hidden until the profile says so.
QLabel* profileLabel(QWidget* page, const char* name, Box at);

// Places a live temperature group and tightens its rows to fit `at`.
void compactLiveGroup(QGroupBox* group, Box at);

// A column of captions and read-only live fields, top to bottom.
class LiveColumn {
public:
    LiveColumn(QWidget* page, Box at);
    void caption(const char* text);      // UTF-8, wraps
    QLineEdit* field(const char* name);
    void add(QWidget* widget, int height);

private:
    QWidget* page_;
    Box at_;
    int y_;
};

}  // namespace lumivox
