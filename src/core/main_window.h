#pragma once
// TVirelta, the one window: owns the settings image, the pages, the status
// bar, the timers and the editors of every subsystem.

#include <QMainWindow>
#include <QString>
#include <memory>

#include "core/dialogs.h"
#include "core/settings_image.h"

class QTabWidget;
class QTimer;
class QTextBrowser;

namespace lumivox {

class PanelStatusBar;
class ShapeWidget;
class ScheduleEditor;
class AutomationEditors;
class LinkView;
class FileActions;

// The filter and default suffix of one file dialog.
struct FileDialogSetup {
    QString filter;
    QString defaultSuffix;
};

class TVirelta : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kPageCount = 8;

    // dialogs: nullptr for real message boxes; tests pass ScriptedDialogs.
    explicit TVirelta(Dialogs* dialogs = nullptr, QWidget* parent = nullptr);
    ~TVirelta() override;

    SettingsImage& model() { return model_; }
    const SettingsImage& model() const { return model_; }
    Dialogs& dialogs() { return *dialogs_; }

    PanelStatusBar* statusBar1() const { return statusBar1_; }
    QTabWidget* pageControl() const { return pages_; }
    QWidget* page(const QString& objectName) const;
    void setPageVisible(const QString& objectName, bool visible);
    bool isPageVisible(const QString& objectName) const;
    ShapeWidget* dot() const { return dot_; }
    QTextBrowser* helpBox() const { return helpBox_; }

    QTimer* timer1() const { return timer1_; }
    QTimer* timer3() const { return timer3_; }
    QTimer* dcf77LedTimer() const { return dcf77LedTimer_; }

    ScheduleEditor& schedule() { return *schedule_; }
    AutomationEditors& automation() { return *automation_; }
    LinkView& link() { return *link_; }
    FileActions& files() { return *files_; }

    const QString& startDirectory() const { return startDirectory_; }
    const FileDialogSetup& saveDialog1() const { return saveDialog1_; }
    const FileDialogSetup& openDialog1() const { return openDialog1_; }
    const FileDialogSetup& saveDialogLogbuch() const { return saveDialogLogbuch_; }

    // The brightness fields show the mean (true) or the current value.
    bool LuxMittel = true;

    bool startedUp() const { return startedUp_; }

public slots:
    // The start-up sequence; runs once, at the first activation.
    void FormActivate();
    void Timer1Timer();
    void Timer3Timer();
    void DCF77_LED_TimerTimer();
    void Parameter_MaskeChange(int index);

signals:
    // The motor names of the model changed: every selector and list that
    // shows a motor name takes them again.
    void motorNamesChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildHeader(QWidget* header);
    void buildPages();

    SettingsImage model_;
    std::unique_ptr<Dialogs> ownDialogs_;
    Dialogs* dialogs_ = nullptr;

    QTabWidget* pages_ = nullptr;
    PanelStatusBar* statusBar1_ = nullptr;
    ShapeWidget* dot_ = nullptr;
    QTextBrowser* helpBox_ = nullptr;
    QTimer* timer1_ = nullptr;
    QTimer* timer3_ = nullptr;
    QTimer* dcf77LedTimer_ = nullptr;

    std::unique_ptr<ScheduleEditor> schedule_;
    std::unique_ptr<AutomationEditors> automation_;
    std::unique_ptr<LinkView> link_;
    std::unique_ptr<FileActions> files_;

    QString startDirectory_;
    FileDialogSetup saveDialog1_;
    FileDialogSetup openDialog1_;
    FileDialogSetup saveDialogLogbuch_;
    bool startedUp_ = false;
};

}  // namespace lumivox
