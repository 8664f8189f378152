#include "core/main_window.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

#include "automation/automation_editors.h"
#include "core/widgets.h"
#include "file/file_actions.h"
#include "link/link_view.h"
#include "schedule/schedule_editor.h"

namespace lumivox {

namespace {

struct PageEntry {
    const char* name;
    const char* caption;
};

constexpr PageEntry kPages[TVirelta::kPageCount] = {
    {"Schaltzeit_Maske", "Schaltzeiten"},
    {"Beschattung_Maske", "Beschattung, Dämmerung"},
    {"Wind_Regen_Maske", "Wind-, Regen-, Feuchte"},
    {"Wintergarten_Maske", "Temperatur-Steuerung"},
    {"Heizung_Maske", "Heizung"},
    {"Handsteuerung_Maske", "Hand-, Tast-, Reversier-Autom."},
    {"Alarm_Logbuch_Maske", "Logbuch"},
    {"Parameter", " Parameter"},
};

QLabel* headerLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

}  // namespace

TVirelta::TVirelta(Dialogs* dialogs, QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TVirelta"));
    setWindowTitle(QStringLiteral("Lumivox  V5.509.09"));
    setFont(windowFont());
    if (dialogs) {
        dialogs_ = dialogs;
    } else {
        ownDialogs_ = std::make_unique<WidgetDialogs>(this);
        dialogs_ = ownDialogs_.get();
    }

    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(8, 4, 8, 0);
    outer->setSpacing(2);
    auto* header = new QWidget(central);
    buildHeader(header);
    outer->addWidget(header);

    auto* middle = new QHBoxLayout;
    pages_ = new QTabWidget(central);
    pages_->setObjectName(QStringLiteral("Parameter_Maske"));
    pages_->setTabPosition(QTabWidget::South);
    // All eight tabs stay in view at the window's start size.
    pages_->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 5px; }"));
    middle->addWidget(pages_, 1);
    helpBox_ = new QTextBrowser(central);
    helpBox_->setObjectName(QStringLiteral("HelpBox"));
    helpBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    helpBox_->setStyleSheet(QStringLiteral("QTextBrowser { background: palette(tooltip-base); }"));
    helpBox_->setMinimumWidth(260);
    helpBox_->hide();
    middle->addWidget(helpBox_);
    outer->addLayout(middle, 1);
    setCentralWidget(central);

    statusBar1_ = new PanelStatusBar(this);
    setStatusBar(statusBar1_);

    buildPages();

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(900);
    connect(timer1_, &QTimer::timeout, this, &TVirelta::Timer1Timer);
    timer3_ = new QTimer(this);
    timer3_->setObjectName(QStringLiteral("Timer3"));
    timer3_->setInterval(2500);
    connect(timer3_, &QTimer::timeout, this, &TVirelta::Timer3Timer);
    dcf77LedTimer_ = new QTimer(this);
    dcf77LedTimer_->setObjectName(QStringLiteral("DCF77_LED_Timer"));
    dcf77LedTimer_->setInterval(100);
    connect(dcf77LedTimer_, &QTimer::timeout, this, &TVirelta::DCF77_LED_TimerTimer);

    schedule_ = std::make_unique<ScheduleEditor>(*this, page(QStringLiteral("Schaltzeit_Maske")));
    automation_ = std::make_unique<AutomationEditors>(*this);
    link_ = std::make_unique<LinkView>(*this);
    files_ = std::make_unique<FileActions>(*this);

    connect(pages_, &QTabWidget::currentChanged, this, &TVirelta::Parameter_MaskeChange);

    timer1_->start();
    timer3_->start();

    resize(822, 589);
    move(192, 136);
}

TVirelta::~TVirelta()
{
    // The editors hold pointers into the widgets; let them go first.
    files_.reset();
    link_.reset();
    automation_.reset();
    schedule_.reset();
}

void TVirelta::buildHeader(QWidget* header)
{
    auto* layout = new QHBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* brand = new QVBoxLayout;
    brand->setSpacing(0);
    QLabel* virelta = headerLabel("Label9", QStringLiteral("Virelta"), header);
    QFont brandFont(QStringLiteral("Arial"));
    brandFont.setPixelSize(56);
    brandFont.setBold(true);
    virelta->setFont(brandFont);
    virelta->setStyleSheet(QStringLiteral("color: #FF00FF;"));
    brand->addWidget(virelta);
    QLabel* url = headerLabel("URL_Label", QStringLiteral("www.virelta.example"), header);
    url->setStyleSheet(QStringLiteral("color: #000080;"));
    brand->addWidget(url);
    layout->addLayout(brand);
    layout->addStretch(1);

    QLabel* noLink = headerLabel("KeineVerbindung_Label", QStringLiteral("Keine Verbindung"), header);
    noLink->setAlignment(Qt::AlignCenter);
    noLink->setWordWrap(true);
    noLink->setFixedSize(120, 40);
    noLink->setStyleSheet(QStringLiteral("background: yellow; color: red; font-weight: bold;"));
    layout->addWidget(noLink);
    layout->addSpacing(24);

    // The activity cross: red centre, blue above and below, yellow beside.
    auto* cross = new QGridLayout;
    cross->setSpacing(1);
    dot_ = new ShapeWidget(QStringLiteral("Dot"), Qt::red, header);
    cross->addWidget(new ShapeWidget(QStringLiteral("Shape1"), Qt::blue, header), 0, 1);
    cross->addWidget(new ShapeWidget(QStringLiteral("Shape2"), Qt::yellow, header), 1, 0);
    cross->addWidget(dot_, 1, 1);
    cross->addWidget(new ShapeWidget(QStringLiteral("Shape3"), Qt::yellow, header), 1, 2);
    cross->addWidget(new ShapeWidget(QStringLiteral("Shape4"), Qt::blue, header), 2, 1);
    layout->addLayout(cross);
    layout->addSpacing(24);

    auto* lines = new QVBoxLayout;
    lines->setSpacing(0);
    QFont lineFont(QStringLiteral("Arial"));
    lineFont.setPixelSize(15);
    lineFont.setBold(true);
    const char* names[] = {"Label10", "Label11", "Label12"};
    const QString texts[] = {QStringLiteral("Rollladensteuerungen"), QStringLiteral("Wintergartensteuerungen"),
                             QStringLiteral("Sonnenschutzsteuerungen")};
    for (int i = 0; i < 3; ++i) {
        QLabel* label = headerLabel(names[i], texts[i], header);
        label->setFont(lineFont);
        label->setStyleSheet(QStringLiteral("color: grey;"));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lines->addWidget(label);
    }
    layout->addLayout(lines);
}

void TVirelta::buildPages()
{
    for (const PageEntry& entry : kPages) {
        auto* page = new QWidget;
        page->setObjectName(QString::fromLatin1(entry.name));
        pages_->addTab(page, QString::fromUtf8(entry.caption));
    }
}

QWidget* TVirelta::page(const QString& objectName) const
{
    for (int i = 0; i < pages_->count(); ++i)
        if (pages_->widget(i)->objectName() == objectName)
            return pages_->widget(i);
    return nullptr;
}

void TVirelta::setPageVisible(const QString& objectName, bool visible)
{
    if (QWidget* w = page(objectName))
        pages_->setTabVisible(pages_->indexOf(w), visible);
}

bool TVirelta::isPageVisible(const QString& objectName) const
{
    QWidget* w = page(objectName);
    return w && pages_->isTabVisible(pages_->indexOf(w));
}

void TVirelta::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    FormActivate();
}

void TVirelta::FormActivate()
{
    if (startedUp_)
        return;
    startedUp_ = true;

    startDirectory_ = QDir::currentPath();
    schedule_->showMotorListFirst();
    link_->resetRunFlags();
    LuxMittel = true;
    for (const char* name : {"ProgressBar", "LogbuchProgressBar"})
        if (auto* bar = control<QProgressBar>(this, QString::fromLatin1(name)))
            bar->hide();
    model_.initialise();   // profile 0, defaults, flags
    schedule_->startUpMask();
    automation_->startUp();
    saveDialog1_ = {QStringLiteral("Virelta Schaltzeiten (*.vsz)|*.vsz"), QStringLiteral("vsz")};
    openDialog1_ = {saveDialog1_.filter, QString()};
    saveDialogLogbuch_ = {QStringLiteral("Virelta Logbuch-File (*.vlf)|*.vlf"), QStringLiteral("vlf")};
    for (const char* name : {"DCF_LED", "AP_Label1", "AP_Label2", "AP_Label3"})
        if (auto* w = control(this, QString::fromLatin1(name)))
            w->hide();
    link_->openPortAtStartUp();
    schedule_->drawTimeline();
}

void TVirelta::Timer1Timer()
{
    link_->Timer1Timer();
}

void TVirelta::Timer3Timer()
{
    link_->Timer3Timer();
}

void TVirelta::DCF77_LED_TimerTimer()
{
    link_->DCF77_LED_TimerTimer();
}

void TVirelta::Parameter_MaskeChange(int index)
{
    helpBox_->hide();
    if (QWidget* w = pages_->widget(index))
        automation_->pageEntered(w);
}

}  // namespace lumivox
