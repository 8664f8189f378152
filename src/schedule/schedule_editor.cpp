#include "schedule/schedule_editor.h"

#include <QComboBox>
#include <algorithm>
#include <functional>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "core/main_window.h"
#include "core/text.h"
#include "core/widgets.h"
#include "schedule/bar_strip.h"
#include "schedule/list_lines.h"
#include "schedule/timeline.h"

namespace lumivox {

using schedule::ListOrder;

namespace {

constexpr int kListWidth = 753;

// CB_Raum: an editable selector whose list opening renames a typed motor
// first, as pressing Enter or leaving it does.
class NameCombo : public QComboBox {
public:
    using QComboBox::QComboBox;
    std::function<void()> beforePopup;

    void showPopup() override
    {
        if (beforePopup)
            beforePopup();
        QComboBox::showPopup();
    }
};

// A caption that keeps its place whatever the length of a motor name: a
// long name is cut with "…" instead of widening the layout off the page.
class NameLabel : public QLabel {
public:
    using QLabel::QLabel;

    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }
    QSize sizeHint() const override { return {0, QLabel::sizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
        const QString full = text();
        const QString shown = fontMetrics().elidedText(full, Qt::ElideRight, area.width());
        if (shown == full) {
            QLabel::paintEvent(event);
            return;
        }
        QFrame::paintEvent(event);
        QPainter painter(this);
        painter.setPen(palette().color(foregroundRole()));
        painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, shown);
    }
};

QString text(const std::string& bytes)
{
    return fromWindows1252(bytes);
}

QPushButton* button(const char* name, const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

// A select-only drop-down list; width in pixels, its items never resize it.
QComboBox* selector(const char* name, QWidget* parent, int width, const char* hint = nullptr)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(0);
    combo->setMinimumWidth(width);
    combo->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    if (hint)
        combo->setToolTip(QString::fromUtf8(hint));
    return combo;
}

QGroupBox* group(const char* name, const char* caption, QWidget* parent)
{
    auto* box = new QGroupBox(QString::fromUtf8(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

// The small "?" in the top right corner of a group box; the help panel
// wires it by name.
QPushButton* helpButton(const char* name, QGroupBox* box)
{
    auto* help = new QPushButton(QStringLiteral("?"), box);
    help->setObjectName(QString::fromLatin1(name));
    help->setFixedSize(15, 15);
    help->setToolTip(QStringLiteral("Hilfe"));
    help->setCursor(Qt::WhatsThisCursor);
    help->setFocusPolicy(Qt::NoFocus);
    help->setStyleSheet(QStringLiteral("QPushButton { color: #FF00FF; font-weight: bold; padding: 0px; }"));
    return help;
}

void placeHelpButton(QGroupBox* box)
{
    for (auto* help : box->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
        if (help->objectName().startsWith(QLatin1String("Help_")))
            help->move(box->width() - help->width() - 6, 0);
}

}  // namespace

ScheduleEditor::ScheduleEditor(TVirelta& window, QWidget* page) : window_(window), page_(page)
{
    buildPage();
    takeMotorNames();
    connect(&window_, &TVirelta::motorNamesChanged, this, &ScheduleEditor::takeMotorNames);
}

ScheduleEditor::~ScheduleEditor() = default;

// ---------------------------------------------------------------- the page

void ScheduleEditor::buildPage()
{
    auto* layout = new QGridLayout(page_);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setHorizontalSpacing(4);
    layout->setVerticalSpacing(4);

    layout->addWidget(buildMask(), 0, 0);
    layout->addWidget(buildTransferGroup(), 0, 1);
    layout->addWidget(buildBackupGroup(), 0, 2);
    layout->addWidget(buildCopyGroup(), 1, 0, Qt::AlignLeft);
    layout->addWidget(buildPortGroup(), 1, 1, 1, 2);
    layout->addWidget(buildLists(), 2, 0, 1, 3);
    layout->addWidget(buildTimeline(), 3, 0, 1, 3);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(0, 1);

    for (auto* box : page_->findChildren<QGroupBox*>())
        box->installEventFilter(this);
}

QWidget* ScheduleEditor::buildMask()
{
    QGroupBox* box = group("GroupBox_Schaltzeiten", "Schaltzeiten anzeigen und ändern", page_);
    helpButton("Help_FS", box);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(5, 4, 5, 6);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(2);

    wochentag_ = selector("CB_Wochentag", box, 42);
    setItems(wochentag_, items::weekdays());

    auto* raum = new NameCombo(box);
    raum->setObjectName(QStringLiteral("CB_Raum"));
    raum->setEditable(true);
    raum->setInsertPolicy(QComboBox::NoInsert);
    raum->setCompleter(nullptr);   // a completion would overwrite what is typed
    raum->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    raum->setMinimumContentsLength(0);
    raum->setMinimumWidth(88);
    raum->beforePopup = [this] { renameTypedMotor(); };
    raum_ = raum;

    nummer_ = selector("CB_Schaltzeit_Nr", box, 44);
    setItems(nummer_, {"1", "2", "3", "4", "5", "6", "7", "8", " "});
    upDown_ = selector("CB_Up_Down", box, 40, "Laufrichtung");
    upDown_->addItems(arrowItemsUpDown());
    QFont arrows = upDown_->font();
    arrows.setPixelSize(15);
    upDown_->setFont(arrows);
    schaltzeit_ = selector("CB_Schaltzeit", box, 60, "Aktivierungs-Uhrzeit");
    setItems(schaltzeit_, items::switchingTimes());
    schaltzeit_->setMaxVisibleItems(24);
    dauer_ = selector("CB_Dauer", box, 50, "Laufzeit des Motors bei Aktivierung");
    setItems(dauer_, items::switchingDurations());
    dauer_->setMaxVisibleItems(20);
    gruppe_ = selector("CB_Gruppe", box, 68, "Schaltzeit gilt für mehrere Wochentage");
    setItems(gruppe_, schedule::groupItems(0));
    funktion_ = selector("CB_Funktion", box, 58, "Zufallsfunktion, Astro-Funktion");
    setItems(funktion_, items::switchingFunctions());

    struct Column {
        const char* label;
        QComboBox* combo;
    };
    const Column columns[] = {
        {"Tag", wochentag_},        {"Motor- bzw. Raumname", raum_}, {"Schalt- Zeit-Nr.", nummer_},
        {"Auf- Ab", upDown_},       {"Schaltzeit", schaltzeit_},     {"Schalt- dauer", dauer_},
        {"Gruppe", gruppe_},        {"Funktion", funktion_},
    };
    int col = 0;
    for (const Column& c : columns) {
        auto* label = new QLabel(QString::fromUtf8(c.label), box);
        label->setObjectName(QStringLiteral("Label_") + c.combo->objectName());
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        label->setBuddy(c.combo);
        // Two-word headings break at their blank, as on the form.
        label->setMaximumWidth(std::max(c.combo->minimumWidth(), label->fontMetrics().horizontalAdvance(label->text().section(QLatin1Char(' '), -1))));
        grid->addWidget(label, 0, col);
        grid->addWidget(c.combo, 1, col);
        ++col;
    }
    // A wider window gives the name room first, the rest stays compact.
    raum_->setMaximumWidth(160);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(col, 3);

    // Show, Store and Mark; a pick raises Store before Mark.
    connect(wochentag_, &QComboBox::activated, this, &ScheduleEditor::CB_WochentagClick);
    connect(nummer_, &QComboBox::activated, this, &ScheduleEditor::CB_WochentagClick);
    connect(raum_, &QComboBox::activated, this, [this](int index) {
        CB_WochentagClick();
        CB_RaumChange(index);
    });
    for (QComboBox* value : {upDown_, schaltzeit_, dauer_, gruppe_, funktion_}) {
        connect(value, &QComboBox::activated, this, [this] {
            CB_SchaltzeitClick();
            CB_FunktionChange();
        });
    }
    connect(raum_->lineEdit(), &QLineEdit::textEdited, this, [this] { typed_ = true; });
    // A long name shows its beginning, not its end.
    connect(raum_, &QComboBox::currentIndexChanged, this, [this] { raum_->lineEdit()->setCursorPosition(0); });
    raum_->installEventFilter(this);
    raum_->lineEdit()->installEventFilter(this);
    return box;
}

QWidget* ScheduleEditor::buildCopyGroup()
{
    QGroupBox* box = group("GroupBox_Kopieren", "Schaltzeiten kopieren", page_);
    helpButton("Help_SchZeitCopy", box);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(6, 4, 6, 6);
    row->setSpacing(4);
    auto* from = new QLabel(QStringLiteral("von:"), box);
    from->setObjectName(QStringLiteral("Label_von"));
    copyFrom_ = new NameLabel(box);
    copyFrom_->setObjectName(QStringLiteral("copy_from_label"));
    copyFrom_->setToolTip(QStringLiteral("Auswählen durch Anklicken in der Liste"));
    copyFrom_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    copyFrom_->setMargin(1);
    copyFrom_->setFixedWidth(110);
    auto* to = new QLabel(QStringLiteral("nach:"), box);
    to->setObjectName(QStringLiteral("Label_nach"));
    copyRaum_ = selector("CB_Copy_Raum", box, 110, "Ziel-Motor");
    row->addWidget(from);
    row->addWidget(copyFrom_, 1);
    row->addSpacing(6);
    row->addWidget(to);
    row->addWidget(copyRaum_);
    connect(copyRaum_, &QComboBox::activated, this, &ScheduleEditor::CB_Copy_RaumChange);
    return box;
}

QWidget* ScheduleEditor::buildLists()
{
    auto* area = new QWidget(page_);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(0);

    // The lists' font: Courier-like at the size of the window's text, so a
    // 108-character line fits the 753-pixel list.
    QFont font = fixedPitchFont();
    font.setPixelSize(11);
    const struct {
        const char* name;
        ListOrder order;
        QListWidget** list;
    } lists[] = {{"DatenListe_Tag", ListOrder::ByDay, &tagListe_}, {"DatenListe_Motor", ListOrder::ByMotor, &motorListe_}};
    for (const auto& l : lists) {
        auto* list = new QListWidget(area);
        list->setObjectName(QString::fromLatin1(l.name));
        list->setFont(font);
        list->setUniformItemSizes(true);
        list->setMinimumWidth(kListWidth);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        list->setToolTip(QStringLiteral("Anklicken überträgt Werte in Eingabemasken (oben links)"));
        setListLines(list, schedule::initialListLines(l.order));
        list->viewport()->installEventFilter(this);
        connect(list, &QListWidget::clicked, this, [this, list] { DatenListe_TagClick(list); });
        grid->addWidget(list, 2, 0, 1, 2);
        *l.list = list;
    }

    // "Liste sortieren nach:" shares its line with the first heading.
    auto* sort = new QHBoxLayout;
    sort->setSpacing(4);
    auto* sortLabel = new QLabel(QStringLiteral("Liste sortieren nach:"), area);
    sortLabel->setObjectName(QStringLiteral("Label_Sortieren"));
    QPushButton* byDay = button("TagButton", QStringLiteral("Tag"), area);
    byDay->setToolTip(QStringLiteral("Liste sortieren nach Tag"));
    QPushButton* byMotor = button("MotorButton", QStringLiteral("Motor- bzw. Raum"), area);
    byMotor->setToolTip(QStringLiteral("Liste sortieren nach Motor"));
    sort->addWidget(sortLabel);
    sort->addWidget(byDay);
    sort->addWidget(byMotor);
    sort->addStretch(1);
    grid->addLayout(sort, 0, 0, 1, 2);
    connect(byDay, &QPushButton::clicked, this, &ScheduleEditor::TagButtonClick);
    connect(byMotor, &QPushButton::clicked, this, &ScheduleEditor::MotorButtonClick);

    // The headings share the lists' character grid; indent them by the
    // frame and the item margin so "Nr. 1" sits over the first time.
    const int indent = tagListe_->frameWidth() + tagListe_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
    const struct {
        const char* name;
        std::string text;
        int row;
    } headings[] = {{"Label_Kopf_Schaltzeit", schedule::headingOverCells(), 0},
                    {"Label_Kopf_Nr", schedule::headingNumbers(), 1}};
    for (const auto& h : headings) {
        auto* label = new QLabel(text(h.text), area);
        label->setObjectName(QString::fromLatin1(h.name));
        label->setFont(font);
        label->setContentsMargins(indent, 0, 0, 0);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        grid->addWidget(label, h.row, 0, 1, 2, Qt::AlignLeft | Qt::AlignBottom);
    }
    return area;
}

QWidget* ScheduleEditor::buildTimeline()
{
    auto* row = new QWidget(page_);
    auto* layout = new QGridLayout(row);
    layout->setContentsMargins(0, 2, 0, 0);
    layout->setHorizontalSpacing(8);
    layout->setVerticalSpacing(0);

    tagUndMotor_ = new NameLabel(row);
    tagUndMotor_->setObjectName(QStringLiteral("Tag_und_Motor"));
    QFont bold = tagUndMotor_->font();
    bold.setBold(true);
    tagUndMotor_->setFont(bold);
    tagUndMotor_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* box = new QGroupBox(row);
    box->setObjectName(QStringLiteral("GroupBox20"));
    box->setFixedSize(657, 25);
    timeline_ = new BarStrip(QStringLiteral("B"), box);
    timeline_->setGeometry(0, 6, 657, BarStrip::kBarHeight);
    auto* scale = new HourScale(schedule::kTimelineRowWidth, row);
    scale->setObjectName(QStringLiteral("Timeline_Stunden"));
    scale->setFixedWidth(657);

    layout->addWidget(tagUndMotor_, 0, 0);
    layout->addWidget(box, 0, 1);
    layout->addWidget(scale, 1, 1);
    layout->setColumnStretch(0, 1);
    return row;
}

QWidget* ScheduleEditor::buildTransferGroup()
{
    QGroupBox* box = group("GroupBox_Datenaustausch", "Datenaustausch", page_);
    helpButton("Help_Datenaustausch", box);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setVerticalSpacing(4);
    // Both pairs sit on the same spot; the link shows one of them.
    grid->addWidget(button("Send_Button_RS", QStringLiteral("Steuerung --> PC"), box), 0, 0);
    grid->addWidget(button("Send_Button_WS", QStringLiteral("Steuerung --> PC"), box), 0, 0);
    grid->addWidget(button("Read_Button_RS", QStringLiteral("PC --> Steuerung"), box), 1, 0);
    grid->addWidget(button("Read_Button_WS", QStringLiteral("PC --> Steuerung"), box), 1, 0);
    return box;
}

QWidget* ScheduleEditor::buildBackupGroup()
{
    QGroupBox* box = group("GroupBox_Sicherung", "Sicherung auf Datenträger", page_);
    helpButton("Help_Sicherung", box);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(6, 4, 6, 6);
    column->setSpacing(4);
    QPushButton* save = button("SaveToDisk_Button", QStringLiteral(" Speichern auf File"), box);
    save->setToolTip(QStringLiteral("Schaltzeiten sowie alle anderen Einstellungen auf Festplatte schreiben"));
    column->addWidget(save);
    column->addWidget(button("Read_From_Disk", QStringLiteral(" Lesen von File     "), box));
    return box;
}

QWidget* ScheduleEditor::buildPortGroup()
{
    QGroupBox* box = group("GroupBox_Port", "Port", page_);
    helpButton("Help_Port", box);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setSpacing(4);
    auto* portCombo = new QComboBox(box);
    portCombo->setObjectName(QStringLiteral("Combo_PortNum"));
    portCombo->setToolTip(QStringLiteral("Serielle Schnittstelle"));
    portCombo->setMaxVisibleItems(16);
    setItems(portCombo, items::ports());
    auto* progress = new QProgressBar(box);
    progress->setObjectName(QStringLiteral("ProgressBar"));
    progress->setTextVisible(false);
    progress->setFixedHeight(16);
    auto* lineError = new QLabel(box);
    lineError->setObjectName(QStringLiteral("Label21"));
    grid->addWidget(portCombo, 0, 0);
    grid->addWidget(progress, 0, 1);
    grid->addWidget(lineError, 0, 2);
    grid->setColumnStretch(1, 1);
    return box;
}

bool ScheduleEditor::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Resize:
        if (auto* box = qobject_cast<QGroupBox*>(watched))
            placeHelpButton(box);
        break;
    case QEvent::KeyPress:
        if (watched == raum_ || watched == raum_->lineEdit()) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                renameTypedMotor();   // CB_RaumKeyPress
                return true;
            }
        }
        break;
    case QEvent::FocusOut:
        // The list opening is handled before the popup takes the focus.
        if (watched == raum_ && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            renameTypedMotor();   // CB_RaumExit
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:   // the second press of a double click picks too
        for (QListWidget* list : {tagListe_, motorListe_}) {
            if (list && watched == list->viewport()) {
                const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
                DatenListe_TagMouseDown(list->viewport()->mapTo(list, at).x());
            }
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

// ---------------------------------------------------------------- helpers

ScheduleEditor::Cursor ScheduleEditor::cursor() const
{
    return {wochentag_->currentIndex(), raum_->currentIndex(), nummer_->currentIndex()};
}

rec::Schaltzeit* ScheduleEditor::record(const Cursor& c)
{
    return window_.model().switchingTime(c.day, c.motor, c.number);
}

void ScheduleEditor::setGroupItems(int day, int selectItem)
{
    const ItemList& wanted = schedule::groupItems(day);
    bool same = gruppe_->count() == static_cast<int>(wanted.size());
    for (int i = 0; same && i < gruppe_->count(); ++i)
        same = gruppe_->itemText(i) == text(wanted[static_cast<std::size_t>(i)]);
    if (!same)
        setItems(gruppe_, wanted);
    gruppe_->setCurrentIndex(selectItem);
}

void ScheduleEditor::showMotorName(int motor)
{
    if (validMotor(motor))
        copyFrom_->setText(text(window_.model().MotorNamen[motor]));
}

void ScheduleEditor::selectMotor(int motor)
{
    raum_->setCurrentIndex(motor);
    // An editable selector keeps typed text when the index does not change.
    raum_->setEditText(raum_->itemText(motor));
    raum_->lineEdit()->setCursorPosition(0);
    typed_ = false;
}

void ScheduleEditor::putValues(const rec::Schaltzeit& r)
{
    // A value that matches no item leaves its selector without a selection.
    upDown_->setCurrentIndex(r.Richtung);
    schaltzeit_->setCurrentIndex(r.Uhrzeit);
    dauer_->setCurrentIndex(r.Dauer);
    funktion_->setCurrentIndex(r.Funktion);
}

void ScheduleEditor::setListLines(QListWidget* list, const std::vector<std::string>& lines)
{
    const int n = static_cast<int>(lines.size());
    if (list->count() != n) {
        list->clear();
        for (const auto& line : lines)
            list->addItem(text(line));
        return;
    }
    for (int i = 0; i < n; ++i) {
        const QString line = text(lines[static_cast<std::size_t>(i)]);
        QListWidgetItem* item = list->item(i);
        if (item->text() != line)
            item->setText(line);
    }
}

ListOrder ScheduleEditor::orderOf(const QListWidget* list) const
{
    return list == tagListe_ ? ListOrder::ByDay : ListOrder::ByMotor;
}

// ---------------------------------------------------------------- start-up, refreshes

void ScheduleEditor::showMotorListFirst()
{
    MotorButtonClick();
}

void ScheduleEditor::startUpMask()
{
    takeMotorNames();
    wochentag_->setCurrentIndex(0);
    selectMotor(0);
    copyRaum_->setCurrentIndex(0);
    showMotorName(0);
    nummer_->setCurrentIndex(0);
    upDown_->setCurrentIndex(0);
    dauer_->setCurrentIndex(39);
    setGroupItems(0, 0);
    funktion_->setCurrentIndex(0);
    schaltzeit_->setCurrentIndex(0);
}

void ScheduleEditor::refreshAfterLoad()
{
    takeMotorNames();
    rebuildLists();
    wochentag_->setCurrentIndex(0);
    selectMotor(0);
    showMotorName(0);
    nummer_->setCurrentIndex(0);
    CB_WochentagClick();
}

void ScheduleEditor::rebuildLists()
{
    const SettingsImage& model = window_.model();
    setListLines(tagListe_, schedule::listLines(model, ListOrder::ByDay));
    setListLines(motorListe_, schedule::listLines(model, ListOrder::ByMotor));
}

void ScheduleEditor::takeMotorNames()
{
    const auto& names = window_.model().MotorNamen;
    for (QComboBox* combo : {raum_, copyRaum_}) {
        if (combo->count() != kMotors) {
            const int current = combo->currentIndex();
            combo->clear();
            for (const auto& name : names)
                combo->addItem(text(name));
            combo->setCurrentIndex(current);
            continue;
        }
        for (int m = 0; m < kMotors; ++m)
            if (combo->itemText(m) != text(names[m]))
                combo->setItemText(m, text(names[m]));
    }
    if (!typed_)
        raum_->lineEdit()->setCursorPosition(0);
}

void ScheduleEditor::clearForDownload()
{
    for (QComboBox* c : {wochentag_, raum_, nummer_, upDown_, schaltzeit_, dauer_, gruppe_, funktion_})
        c->setCurrentIndex(-1);
    raum_->setEditText(QString());
    typed_ = false;
    for (QListWidget* list : {tagListe_, motorListe_}) {
        for (int i = 0; i < list->count(); ++i)
            list->item(i)->setText(QString());
        if (list->count() > 6)
            list->item(6)->setText(QString(30, QLatin1Char(' ')) + QStringLiteral("Lese Daten von Steuerung ..."));
        list->setCurrentRow(-1);
        list->clearSelection();
    }
}

void ScheduleEditor::showDownloadStatus(const QString& what)
{
    const QString line = QString(30, QLatin1Char(' ')) + QStringLiteral("Lese Daten von Steuerung ...   ") + what;
    for (QListWidget* list : {tagListe_, motorListe_})
        if (list->count() > 6)
            list->item(6)->setText(line);
}

void ScheduleEditor::finishDownload()
{
    rebuildLists();
    wochentag_->setCurrentIndex(0);
    selectMotor(0);
    copyRaum_->setCurrentIndex(0);
    copyFrom_->setText(raum_->currentText());
    nummer_->setCurrentIndex(0);
}

// ---------------------------------------------------------------- operations

void ScheduleEditor::CB_WochentagClick()
{
    const Cursor c = cursor();
    const rec::Schaltzeit* r = record(c);
    if (!r)
        return;
    // A Gruppe no item stands for (from a file or the line) shows no item,
    // as a list pick does, rather than a group that would make the next
    // Store overwrite the other days.
    setGroupItems(c.day, schedule::groupItemOfGruppe(c.day, r->Gruppe));
    putValues(*r);
    tagListe_->setCurrentRow(schedule::lineOf(ListOrder::ByDay, c.day, c.motor));
    motorListe_->setCurrentRow(schedule::lineOf(ListOrder::ByMotor, c.day, c.motor));
    drawTimeline();
}

void ScheduleEditor::CB_SchaltzeitClick()
{
    const Cursor c = cursor();
    rec::Schaltzeit* r = record(c);
    if (!r)
        return;
    // A selector without a selection (a value no item matches) keeps the
    // record's own value instead of writing -1.
    auto shown = [](const QComboBox* combo, int32_t own) { return combo->currentIndex() >= 0 ? combo->currentIndex() : own; };
    const schedule::EntryValues values{shown(upDown_, r->Richtung), shown(schaltzeit_, r->Uhrzeit),
                                       shown(dauer_, r->Dauer), shown(funktion_, r->Funktion)};
    schedule::storeEntry(window_.model().Schaltzeit, c.day, c.motor, c.number, gruppe_->currentIndex(), values);
    showMotorName(c.motor);
    rebuildLists();
    drawTimeline();
}

void ScheduleEditor::CB_FunktionChange()
{
    if (rec::Schaltzeit* r = record(cursor()))
        r->Geaendert = 1;
}

void ScheduleEditor::DatenListe_TagMouseDown(int x)
{
    mouseDownX_ = x;
}

void ScheduleEditor::DatenListe_TagClick(QListWidget* list)
{
    // While a download has cleared the cursor the lines mean nothing.
    if (!list || wochentag_->currentIndex() < 0 || raum_->currentIndex() < 0)
        return;
    const ListOrder order = orderOf(list);
    const int line = schedule::pickedLine(order, list->currentRow());
    if (line != list->currentRow())
        list->setCurrentRow(line);
    const auto pos = schedule::positionOfLine(order, line);
    if (!pos)
        return;
    wochentag_->setCurrentIndex(pos->day);
    selectMotor(pos->motor);
    showMotorName(pos->motor);
    // The cells keep their place when the window grows, so the rule works
    // on the list's designed width rather than the stretched one.
    const int number = schedule::numberAtX(mouseDownX_, kListWidth);
    nummer_->setCurrentIndex(number);

    const rec::Schaltzeit& r = window_.model().Schaltzeit[pos->day][pos->motor][number];
    putValues(r);
    setGroupItems(pos->day, schedule::groupItemOfGruppe(pos->day, r.Gruppe));
    drawTimeline();
}

void ScheduleEditor::TagButtonClick()
{
    motorListe_->hide();
    tagListe_->show();
}

void ScheduleEditor::MotorButtonClick()
{
    tagListe_->hide();
    motorListe_->show();
}

void ScheduleEditor::CB_RaumChange(int index)
{
    if (!validMotor(index))
        return;   // typing: no item chosen
    motorToRename_ = index;
    typed_ = false;
    showMotorName(index);
}

void ScheduleEditor::renameTypedMotor()
{
    if (!typed_)
        return;
    typed_ = false;
    const int motor = motorToRename_;
    window_.model().MotorNamen[motor] = toWindows1252(raum_->currentText());
    takeMotorNames();
    selectMotor(motor);
    showMotorName(motor);
    rebuildLists();
    emit window_.motorNamesChanged();
}

void ScheduleEditor::CB_Copy_RaumChange(int target)
{
    if (!schedule::copyMotor(window_.model().Schaltzeit, raum_->currentIndex(), target))
        return;
    rebuildLists();
    drawTimeline();
}

void ScheduleEditor::drawTimeline()
{
    const int day = wochentag_->currentIndex();
    const int motor = raum_->currentIndex();
    if (!validDay(day) || !validMotor(motor))
        return;
    const SettingsImage& model = window_.model();
    timeline_->setBars(schedule::barRow(model.Schaltzeit[day][motor], schedule::kTimelineRowWidth,
                                        schedule::kTimelineX0),
                       timelineUpColour(), timelineDownColour());
    tagUndMotor_->setText(text(items::weekdays()[day] + ", " + model.MotorNamen[motor]));
    emit timelineDrawn();
}

}  // namespace lumivox
