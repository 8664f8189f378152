#pragma once
// Every list-and-mask automation editor, built from the page tables.

#include <QObject>
#include <memory>
#include <vector>

class QWidget;

namespace lumivox {

class TVirelta;
class ListMaskEditor;

class AutomationEditors : public QObject {
    Q_OBJECT
public:
    explicit AutomationEditors(TVirelta& window);
    ~AutomationEditors() override;

    // Start-up: first line selected, motor 1, "AUS", value selectors hidden.
    void startUp();
    // A page of the page control was entered: refresh its editors.
    void pageEntered(QWidget* page);

    // The page refresh of one page by name (a finished download runs it).
    void refreshPage(const QString& pageName);
    // The list rebuild of one editor by prefix ("BA", "EW", ...), after a
    // download reply of its automatic.
    void rebuildList(const QString& prefix);
    // AP_Label1 .. AP_Label3 follow the edited profile.
    void showProfileLabels();
    // A click on a brightness field: mean <-> current value.
    void toggleLuxMittel();

    ListMaskEditor* editor(const QString& prefix) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Page {
        QWidget* widget;
        std::vector<std::unique_ptr<ListMaskEditor>> editors;
    };

    void takeMotorNames();

    TVirelta& window_;
    std::vector<Page> pages_;
};

}  // namespace lumivox
