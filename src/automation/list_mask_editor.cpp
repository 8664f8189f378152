#include "automation/list_mask_editor.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QToolButton>
#include <algorithm>

#include "core/main_window.h"
#include "core/text.h"
#include "core/widgets.h"

namespace lumivox {

namespace {

constexpr int kRowHeight = 22;
constexpr int kOnOffWidth = 52;
constexpr int kHelpWidth = 22;
const char* const kListHint = "Anklicken überträgt Werte in Eingabemasken (links), Doppel-Klick für EIN / AUS";

QString utf8(const char* text) { return text ? QString::fromUtf8(text) : QString(); }

// "Key" names a field of the editor's own record, "Stem.Key" one of another.
FieldAccess resolveField(const EditorDescription& description, const char* field)
{
    std::string_view text(field);
    std::string_view stem = description.stem;
    if (auto dot = text.find('.'); dot != std::string_view::npos) {
        stem = text.substr(0, dot);
        text = text.substr(dot + 1);
    }
    // An unknown name is a typo in a table: value() stops the program at once.
    return automaticField(stem, text).value();
}

// The longest run of blanks in a caption: (start, length).
std::pair<int, int> blankRun(const QString& text)
{
    int best = 0, bestLength = 0;
    for (int i = 0; i < text.size();) {
        int j = i;
        while (j < text.size() && text[j] == QLatin1Char(' '))
            ++j;
        if (j - i > bestLength) {
            best = i;
            bestLength = j - i;
        }
        i = j == i ? i + 1 : j;
    }
    return {best, bestLength};
}

// A caption with a selector sitting in its run of blanks ("größer [30] km/h"),
// or with its second title above a control ("... EIN / AUS"). The text stays
// as it is; the part after the blanks is drawn where the control needs it.
class GapLabel : public QLabel {
public:
    using QLabel::QLabel;

    // Moves selector into the blanks and widens them as far as needed. A
    // selector with an x of its own keeps it (so that the selectors of
    // several such labels line up); the text after the blanks follows it.
    void holdInGap(QWidget* selector)
    {
        const auto [start, length] = splitAtBlanks();
        const QFontMetrics fm(font());
        const int prefixEnd = fm.horizontalAdvance(prefix_);
        const int gap = std::max(fm.horizontalAdvance(text().mid(start, length)), selector->width() + 8);
        const int selectorX = selector->x() > 0 ? selector->x() : x() + prefixEnd + (gap - selector->width()) / 2;
        selector->move(selectorX, y() + (height() - selector->height()) / 2);
        suffixX_ = std::max(prefixEnd + gap, selector->geometry().right() + 1 - x() + 4);
    }

    // Draws the text after the blanks from x (in the parent's coordinates).
    void placeSuffixAt(int parentX)
    {
        splitAtBlanks();
        suffixX_ = parentX - x();
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        if (prefix_.isNull()) {
            QLabel::paintEvent(event);
            return;
        }
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        const QFontMetrics fm(font());
        const int baseline = (height() + fm.ascent() - fm.descent()) / 2;
        painter.drawText(0, baseline, prefix_);
        painter.drawText(suffixX_, baseline, suffix_);
    }

private:
    std::pair<int, int> splitAtBlanks()
    {
        const auto run = blankRun(text());
        prefix_ = text().left(run.first);
        suffix_ = text().mid(run.first + run.second);
        return run;
    }

    QString prefix_;
    QString suffix_;
    int suffixX_ = 0;
};

// Arrows read better a little larger than the text around them.
QFont arrowFont(QFont font)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() + 2);
    else
        font.setPixelSize(font.pixelSize() + 3);
    font.setBold(true);
    return font;
}

void fillSelector(QComboBox* combo, const FieldAccess& field)
{
    if (field.items()) {
        setItems(combo, *field.items());
    } else {
        combo->clear();
        combo->addItems(arrowItemsUpDown());
        combo->setFont(arrowFont(combo->font()));
    }
}

}  // namespace

ListMaskEditor::ListMaskEditor(TVirelta& window, QWidget* page, const EditorDescription& description, int order)
    : window_(window), description_(description), order_(order)
{
    group_ = new QGroupBox(utf8(description.title), page);
    group_->setObjectName(QString::fromLatin1(description.group));
    group_->setGeometry(description.groupAt.x, description.groupAt.y, description.groupAt.w, description.groupAt.h);
    const std::string motorName = std::string(description.prefix) + "_Raum";
    // One row of motor, on/off and "?" under the caption, flush right, so the
    // "?" stays clear of the caption and inside the frame.
    const int helpX = description.groupAt.w - kHelpWidth - 8;
    const Control head[] = {
        {Part::Caption, description.head.caption, {8, 20, description.groupAt.w - 16, 14}, description.head.captionText},
        {Part::Help, description.head.help, {helpX, 34, kHelpWidth, 0}},
        {Part::Motor, motorName.c_str(), {8, 34, 0, 0}},
        {Part::OnOff, description.head.onOff, {helpX - 6 - kOnOffWidth, 34, kOnOffWidth, 0}},
    };
    for (const auto& part : {std::span<const Control>(head), description.controls}) {
        for (const Control& c : part) {
            QWidget* w = build(group_, c);
            w->setObjectName(QString::fromLatin1(c.name));
            w->setGeometry(c.at.x, c.at.y, c.at.w, c.at.h ? c.at.h : kRowHeight);
            if (c.hint)
                w->setToolTip(utf8(c.hint));
            if (c.part == Part::Selector || c.part == Part::Label || c.part == Part::Derived || c.part == Part::Live)
                followers_.push_back(w);
        }
    }
    arrangeMask();

    const ListDescription& ls = description.list;
    auto* header = new QLabel(utf8(ls.headerText), page);
    header->setObjectName(QString::fromLatin1(ls.header));
    header->setGeometry(ls.at.x, ls.at.y, ls.at.w, 15);
    list_ = new QListWidget(page);
    list_->setObjectName(QString::fromLatin1(ls.name));
    list_->setFont(fixedPitchFont());
    list_->setToolTip(utf8(kListHint));
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setUniformItemSizes(true);
    for (int i = 0; i < kMotors; ++i)
        list_->addItem(QStringLiteral("Motor"));
    list_->ensurePolished();   // the row height depends on the style's item margins
    const int rows = kMotors * list_->sizeHintForRow(0) + 2 * list_->frameWidth();
    list_->setGeometry(ls.at.x, ls.at.y + 15, ls.at.w, ls.at.h ? ls.at.h : rows);

    QObject::connect(list_, &QListWidget::currentRowChanged, &connections_, [this](int row) {
        if (!selecting_)
            listClicked(row);
    });
    QObject::connect(list_, &QListWidget::itemClicked, &connections_,
                     [this](QListWidgetItem* item) { listClicked(list_->row(item)); });
    QObject::connect(list_, &QListWidget::itemDoubleClicked, &connections_,
                     [this](QListWidgetItem* item) { listDoubleClicked(list_->row(item)); });
    QObject::connect(motor_, &QComboBox::activated, &connections_, [this] { motorPicked(); });
    for (const Bound& b : selectors_)
        QObject::connect(b.combo, &QComboBox::activated, &connections_, [this, combo = b.combo] { valuePicked(combo); });
}

void ListMaskEditor::arrangeMask()
{
    // "EIN / AUS" of the caption stands over the on/off selector; the motor
    // selector reaches up to it.
    static_cast<GapLabel*>(control<QLabel>(group_, QString::fromLatin1(description_.head.caption)))
        ->placeSuffixAt(onOff_->x());
    motor_->resize(onOff_->x() - 6 - motor_->x(), motor_->height());

    for (const Control& c : description_.controls)
        if (c.part == Part::Selector && c.inGapOf)
            static_cast<GapLabel*>(control<QLabel>(group_, QString::fromLatin1(c.inGapOf)))
                ->holdInGap(control(group_, QString::fromLatin1(c.name)));
}

QWidget* ListMaskEditor::build(QGroupBox* group, const Control& c)
{
    switch (c.part) {
    case Part::Motor:
        motor_ = new QComboBox(group);
        return motor_;
    case Part::OnOff:
    case Part::Selector: {
        auto* combo = new QComboBox(group);
        FieldAccess field = resolveField(description_, c.part == Part::OnOff ? "EinAus" : c.field);
        fillSelector(combo, field);
        if (c.part == Part::OnOff) {
            onOff_ = combo;
            selectors_.insert(selectors_.begin(), Bound{combo, std::move(field)});
        } else {
            selectors_.push_back(Bound{combo, std::move(field)});
        }
        return combo;
    }
    case Part::Caption:
    case Part::Label: {
        auto* label = new GapLabel(utf8(c.text), group);
        label->setWordWrap(c.at.h > kRowHeight);   // two-line captions like "Grenz- Lux-Wert"
        label->setAlignment(Qt::AlignLeft | (label->wordWrap() ? Qt::AlignBottom : Qt::AlignVCenter));
        return label;
    }
    case Part::Help: {
        auto* button = new QToolButton(group);
        button->setText(QStringLiteral("?"));
        button->setToolTip(QStringLiteral("Hilfe"));
        button->setStyleSheet(QStringLiteral("QToolButton { color: #FF00FF; font-weight: bold; }"));
        return button;
    }
    case Part::Derived:
    case Part::Live: {
        auto* field = new QLineEdit(utf8(c.text), group);
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::NoFocus);
        field->setAlignment(Qt::AlignCenter);
        if (c.part == Part::Derived && !c.text)   // the movement arrows
            field->setFont(arrowFont(field->font()));
        return field;
    }
    }
    return nullptr;
}

void ListMaskEditor::linkSharedFields(std::vector<ListMaskEditor*> editors)
{
    for (ListMaskEditor* a : editors)
        for (ListMaskEditor* b : editors) {
            if (a == b)
                continue;
            bool linked = false;
            for (Bound& ba : a->selectors_)
                for (const Bound& bb : b->selectors_)
                    if (ba.field.sameField(bb.field)) {
                        ba.shared = true;
                        linked = true;
                    }
            if (linked && std::find(a->partners_.begin(), a->partners_.end(), b) == a->partners_.end())
                a->partners_.push_back(b);
        }
}

int ListMaskEditor::profile() const
{
    return window_.model().BearbeitetesProfil;
}

int ListMaskEditor::maskMotor() const
{
    return std::clamp(motor_->currentIndex(), 0, kMotors - 1);
}

const ListMaskEditor::Bound* ListMaskEditor::bound(const QString& name) const
{
    for (const Bound& b : selectors_)
        if (b.combo->objectName() == name)
            return &b;
    return nullptr;
}

void ListMaskEditor::maskLoad()
{
    SettingsImage& model = window_.model();
    for (const Bound& b : selectors_) {
        const int32_t* value = b.field.value(model, profile(), maskMotor());
        // A stored index outside the items shows no selection.
        b.combo->setCurrentIndex(value && *value >= 0 && *value < b.combo->count() ? *value : -1);
    }
    applyDerived();
}

void ListMaskEditor::applyDerived()
{
    auto index = [this](const char* name) {
        const Bound* b = name ? bound(QString::fromLatin1(name)) : nullptr;
        return b ? b->combo->currentIndex() : -1;
    };
    for (const DerivedRow& d : description_.derived) {
        QString text = d.text(index(d.a), index(d.b));
        if (auto* field = control<QLineEdit>(group_, QString::fromLatin1(d.name)); field && !text.isNull())
            field->setText(text);
    }
}

void ListMaskEditor::applyVisibility()
{
    const bool on = onOff_->currentIndex() == 0;   // no selection counts as off
    for (QWidget* w : followers_)
        w->setVisible(on);
}

void ListMaskEditor::rebuildList()
{
    const SettingsImage& model = window_.model();
    for (int i = 0; i < kMotors; ++i)
        list_->item(i)->setText(fromWindows1252(description_.line(model, profile(), i)));
}

void ListMaskEditor::selectMaskLine()
{
    selecting_ = true;
    list_->setCurrentRow(maskMotor());
    selecting_ = false;
}

void ListMaskEditor::takeMotorNames()
{
    const auto& names = window_.model().MotorNamen;
    const int current = motor_->currentIndex();
    motor_->clear();
    for (const std::string& name : names)
        motor_->addItem(fromWindows1252(name));
    motor_->setCurrentIndex(current < 0 ? 0 : current);
    rebuildList();
}

void ListMaskEditor::startUp()
{
    takeMotorNames();
    motor_->setCurrentIndex(0);
    maskLoad();
    applyVisibility();
    selectMaskLine();
}

void ListMaskEditor::pageRefresh()
{
    takeMotorNames();   // rebuilds the list too
    motor_->setCurrentIndex(std::max(list_->currentRow(), 0));
    maskLoad();
    applyVisibility();
    selectMaskLine();
}

void ListMaskEditor::commit()
{
    if (int32_t* flag = selectors_.front().field.changedFlag(window_.model(), profile(), maskMotor()))
        *flag = 1;
    maskLoad();
    applyVisibility();
    rebuildList();
    selectMaskLine();
    for (ListMaskEditor* partner : partners_) {
        partner->maskLoad();
        partner->applyVisibility();
    }
}

void ListMaskEditor::storeIndex(const Bound& b, int index)
{
    if (index < 0)
        return;   // no selection: keep what the record holds
    SettingsImage& model = window_.model();
    if (int32_t* value = b.field.value(model, profile(), maskMotor())) {
        *value = index;
        *b.field.changedFlag(model, profile(), maskMotor()) = 1;
    }
}

void ListMaskEditor::listClicked(int row)
{
    if (row < 0 || row >= kMotors)
        return;
    motor_->setCurrentIndex(row);
    maskLoad();
    applyVisibility();
}

void ListMaskEditor::listDoubleClicked(int row)
{
    if (row < 0 || row >= kMotors)
        return;
    motor_->setCurrentIndex(row);
    if (int32_t* einAus = selectors_.front().field.value(window_.model(), profile(), row))
        *einAus = *einAus == 0 ? 1 : 0;
    commit();
}

void ListMaskEditor::motorPicked()
{
    commit();
}

void ListMaskEditor::valuePicked(QComboBox* selector)
{
    const Bound* picked = bound(selector->objectName());
    if (!picked)
        return;
    storeIndex(*picked, selector->currentIndex());
    for (const RuleRow& r : description_.rules) {
        if (selector->objectName() != QLatin1String(r.picked))
            continue;
        const Bound* first = bound(QString::fromLatin1(r.first));
        const Bound* second = bound(QString::fromLatin1(r.second));
        const Bound* mode = r.mode ? bound(QString::fromLatin1(r.mode)) : nullptr;
        IndexPair pair = r.rule({first->combo->currentIndex(), second->combo->currentIndex()},
                                mode ? mode->combo->currentIndex() : 0);
        first->combo->setCurrentIndex(pair.first);
        second->combo->setCurrentIndex(pair.second);
        storeIndex(*first, first->combo->currentIndex());
        storeIndex(*second, second->combo->currentIndex());
    }
    if (!picked->shared) {
        commit();
        return;
    }
    std::vector<ListMaskEditor*> editors = partners_;
    editors.push_back(this);
    std::sort(editors.begin(), editors.end(), [](auto* a, auto* b) { return a->order_ < b->order_; });
    for (ListMaskEditor* e : editors)
        e->commit();
}

}  // namespace lumivox
