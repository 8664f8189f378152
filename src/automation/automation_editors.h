#pragma once
// Every list-and-mask automation editor, described by tables.

#include <QObject>

class QWidget;

namespace lumivox {

class TVirelta;

class AutomationEditors : public QObject {
    Q_OBJECT
public:
    explicit AutomationEditors(TVirelta& window);

    // Start-up: first line selected, motor 1, "AUS", value selectors hidden.
    void startUp();
    // A page of the page control was entered: refresh its editors.
    void pageEntered(QWidget* page);

private:
    TVirelta& window_;
};

}  // namespace lumivox
