#include "link/link_view.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTimer>

#include "core/main_window.h"
#include "core/text.h"
#include "core/widgets.h"
#include "link/live_pages.h"
#include "link/live_values.h"
#include "link/port_file.h"

namespace lumivox {

const QString LinkView::kConservatoryUrl = QStringLiteral("www.wintergarten.virelta.example");
const QString LinkView::kRollerShutterUrl = QStringLiteral("www.rollladen.virelta.example");

namespace {

using Rule = bool (*)(const DeviceFeatures&);

bool sensors(const DeviceFeatures& f) { return f.hasSensors(); }
bool conservatory(const DeviceFeatures& f) { return f.Conservatory; }
bool heating(const DeviceFeatures& f) { return f.Heating(); }
bool groupControl(const DeviceFeatures& f) { return f.GroupControl; }
bool pushButton(const DeviceFeatures& f) { return f.PushButtonAutomatic; }

struct Shown {
    const char* name;
    Rule when;
};

constexpr Shown kPages[] = {
    {"Beschattung_Maske", sensors},
    {"Wind_Regen_Maske", sensors},
    {"Wintergarten_Maske", conservatory},
    {"Heizung_Maske", heating},
};

constexpr Shown kControls[] = {
    {"Heiz_Hysterese", heating},
    {"Heiz_Hysterese_Label", heating},
    {"FeuchteSteuerung", conservatory},
    {"RelF_Liste", conservatory},
    {"RelF_Label_7", conservatory},
    {"GroupBox_SensorTypen", sensors},
    {"GroupBox_AlarmSetUp", sensors},
    {"GroupBox_WintergStrg", conservatory},
    {"GroupBox_GZS", groupControl},
    {"GroupBoxInnentemperatur", conservatory},
    {"GroupBoxInnentemperatur2", conservatory},
    {"GroupBox_Tast_Automatik", pushButton},
    {"Tast_Label2", pushButton},
    {"Tast_Liste", pushButton},
    {"AktivesProfil", conservatory},
    {"Profil_Kopieren", conservatory},
};

constexpr const char* kLogbookButtons[] = {"Logbuch_Button", "Logbuch_Anfang", "Logbuch_save_Button",
                                           "Logbuch_Loeschen"};

const QString kPortFileMessage = QStringLiteral("    Kann Initialisierungs-File nicht schreiben    ");

// Line edits and labels both show live texts.
void setControlText(const TVirelta& window, const char* name, const QString& text)
{
    QWidget* w = control(&window, QString::fromLatin1(name));
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(text);
}

void setShown(const TVirelta& window, const char* name, bool shown)
{
    if (QWidget* w = control(&window, QString::fromLatin1(name)))
        w->setVisible(shown);
}

QComboBox* portSelector(const TVirelta& window)
{
    return control<QComboBox>(&window, QStringLiteral("Combo_PortNum"));
}

}  // namespace

LinkView::PortFactory& LinkView::portFactory()
{
    static PortFactory factory = [] { return std::unique_ptr<LinePort>(std::make_unique<SerialLinePort>()); };
    return factory;
}

LinkView::LinkView(TVirelta& window)
    : window_(window), link_(std::make_unique<ControllerLink>(window.model(), portFactory()()))
{
    buildLiveFields(window_);

    connect(link_.get(), &ControllerLink::panelChanged, this, [this](int panel, const QString& text) {
        PanelStatusBar* bar = window_.statusBar1();
        bar->setPanelText(panel, text);
        // A narrow window clips the panels; the whole text stays at hand.
        if (QLabel* label = bar->panel(panel))
            label->setToolTip(text);
    });
    connect(link_.get(), &ControllerLink::liveValuesReceived, this, &LinkView::showLiveValues);
    connect(link_.get(), &ControllerLink::lineError, this, [this] {
        if (auto* label = control<QLabel>(&window_, QStringLiteral("Label21")))
            label->setText(QStringLiteral("Fehler RS232"));
    });
    connect(link_.get(), &ControllerLink::countersChanged, this, [this] {
        if (!link_->state().DownloadActive)
            return;
        if (auto* bar = control<QProgressBar>(&window_, QStringLiteral("ProgressBar")))
            bar->setValue(static_cast<int>(std::min<long long>(link_->state().RxDCount, bar->maximum())));
    });
    if (QComboBox* combo = portSelector(window_))
        connect(combo, &QComboBox::activated, this, &LinkView::Combo_PortNumChange);
}

LinkView::~LinkView() = default;

void LinkView::resetRunFlags()
{
    link_->resetRunFlags();
}

void LinkView::openPortAtStartUp()
{
    const int n = demo_ ? 1 : readPortFile(kPortFileName);
    if (QComboBox* combo = portSelector(window_))
        combo->setCurrentIndex(n - 1);
    if (!link_->openComPort(n))
        reportOpenFailure(n);
}

void LinkView::useDemoDevice(const QString& device)
{
    demo_ = true;
    link_->setComDevice(1, device);
    link_->setWritesPortFile(false);
}

void LinkView::Combo_PortNumChange(int index)
{
    const int n = index + 1;
    if (n < 1 || n > kComPorts) {
        // Refused: the selector goes back to the port in use.
        if (QComboBox* combo = portSelector(window_))
            combo->setCurrentIndex(link_->comPort() - 1);
        window_.dialogs().error(QStringLiteral("Ung\u00fcltige Schnittstelle"));
        return;
    }
    if (!link_->changePort(n))
        reportOpenFailure(n);
}

void LinkView::reportOpenFailure(int port)
{
    window_.dialogs().error(
        QStringLiteral("COM %1 (%2): %3").arg(port).arg(link_->comDevice(port), link_->openError()));
}

void LinkView::Timer1Timer()
{
    const ControllerLink::TickResult result = link_->pollTick();
    switch (result.tick) {
    case ControllerLink::Tick::Suspended:
        break;
    case ControllerLink::Tick::Down:
        showLinkDown();
        break;
    case ControllerLink::Tick::BadIdentity:
        return;   // reported in panel 5; the next tick tries again
    case ControllerLink::Tick::Unsupported:
        window_.timer1()->stop();
        window_.dialogs().error(fromWindows1252(kUnsupportedControllerMessage));
        window_.close();
        QCoreApplication::exit(0);
        return;
    case ControllerLink::Tick::Up:
        applyFeatures(link_->features());
        if (result.portFileFailed)
            window_.dialogs().error(kPortFileMessage);
        break;
    }
    animateDot();
}

void LinkView::Timer3Timer()
{
    link_->watchdogTick();
}

void LinkView::DCF77_LED_TimerTimer()
{
    // The time-signal indicator comes with the live commands.
}

void LinkView::showLinkDown()
{
    setShown(window_, "KeineVerbindung_Label", true);
    setLogbookButtonsEnabled(false);
}

void LinkView::setLogbookButtonsEnabled(bool on)
{
    for (const char* name : kLogbookButtons)
        if (QWidget* w = control(&window_, QString::fromLatin1(name)))
            w->setEnabled(on);
}

void LinkView::applyFeatures(const DeviceFeatures& f)
{
    for (const Shown& page : kPages)
        window_.setPageVisible(QString::fromLatin1(page.name), page.when(f));
    setShown(window_, "KeineVerbindung_Label", false);

    // Both pairs of transfer buttons sit on the same spot; the controller's
    // kind picks the pair.
    const char* shownPair[] = {"Send_Button_WS", "Read_Button_WS"};
    const char* hiddenPair[] = {"Send_Button_RS", "Read_Button_RS"};
    if (!f.Conservatory)
        std::swap(shownPair, hiddenPair);
    for (const char* name : shownPair)
        if (QWidget* w = control(&window_, QString::fromLatin1(name))) {
            w->setEnabled(true);
            w->show();
        }
    for (const char* name : hiddenPair)
        setShown(window_, name, false);
    setLogbookButtonsEnabled(true);

    for (const Shown& c : kControls)
        setShown(window_, c.name, c.when(f));
    if (auto* url = control<QLabel>(&window_, QStringLiteral("URL_Label")))
        url->setText(f.Conservatory ? kConservatoryUrl : kRollerShutterUrl);
}

void LinkView::animateDot()
{
    ShapeWidget* dot = window_.dot();
    if (!link_->linkUp()) {
        dot->setColor(Qt::red);
        return;
    }
    if (dot->color() == QColor(Qt::red)) {
        dot->setColor(QColor(0xFF, 0x00, 0xFF));
        dot->setShape(ShapeWidget::Shape::Circle);
    } else {
        dot->setColor(Qt::red);
        dot->setShape(ShapeWidget::Shape::Rectangle);
    }
}

void LinkView::showLiveValues(const PayloadNumbers& numbers)
{
    const LiveDisplay d = liveDisplay(numbers, window_.LuxMittel, link_->features().hasSensors());
    struct Fields {
        std::initializer_list<const char*> names;
        const std::string& text;
    };
    const Fields fields[] = {
        {{"IT_Aktuell", "IT_Aktuell2", "IT_Aktuell3"}, d.indoorCurrent},
        {{"IT_Min", "IT_Min2", "IT_Min3"}, d.indoorMin},
        {{"IT_Max", "IT_Max2", "IT_Max3"}, d.indoorMax},
        {{"AT_Aktuell", "AT_Aktuell2", "AT_Aktuell3"}, d.outdoorCurrent},
        {{"AT_Min", "AT_min2", "AT_Min3"}, d.outdoorMin},
        {{"AT_Max", "AT_Max2", "AT_Max3"}, d.outdoorMax},
        {{"AktWind"}, d.wind},
        {{"MaxWind"}, d.maxWind},
        {{"AlarmStatus"}, d.alarm},
        {{"RegenStatus"}, d.rain},
        {{"RelFeuchte"}, d.humidity},
        {{"BA_LuxAktuell", "DM_LuxAktuell", "DA_LuxAktuell"}, d.brightness},
    };
    for (const Fields& f : fields) {
        const QString text = fromWindows1252(f.text);
        for (const char* name : f.names)
            setControlText(window_, name, text);
    }
    if (auto* bar = control<QProgressBar>(&window_, QStringLiteral("WindProgressBar"))) {
        bar->setRange(0, 100);
        bar->setValue(d.windBarValue);
        bar->setVisible(d.windBarVisible);
    }
}

}  // namespace lumivox
