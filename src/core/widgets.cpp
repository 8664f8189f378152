#include "core/widgets.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QListWidget>
#include <QPainter>

#include "core/text.h"

namespace lumivox {

ShapeWidget::ShapeWidget(const QString& name, QColor color, QWidget* parent)
    : QWidget(parent), color_(color)
{
    setObjectName(name);
    setFixedSize(9, 9);
}

void ShapeWidget::setColor(QColor color)
{
    color_ = color;
    update();
}

void ShapeWidget::setShape(Shape shape)
{
    shape_ = shape;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, shape_ == Shape::Circle);
    painter.setPen(Qt::black);
    painter.setBrush(color_);
    QRect r = rect().adjusted(0, 0, -1, -1);
    if (shape_ == Shape::Circle)
        painter.drawEllipse(r);
    else
        painter.drawRect(r);
}

namespace {
constexpr int kPanelWidths[PanelStatusBar::kPanels] = {100, 50, 60, 60, 0, 80, 185, 70, 60, 65, 65, 50, 50, 50};
constexpr bool kPanelCentred[PanelStatusBar::kPanels] = {true, true, true, true, false, false, true,
                                                          true, true, true, true, false, false, false};

// A panel wants its documented width but gives way when the window is
// narrower than all fourteen together.
class PanelLabel : public QLabel {
public:
    PanelLabel(int width, QWidget* parent) : QLabel(parent), width_(width) {}
    QSize sizeHint() const override { return {width_, QLabel::sizeHint().height()}; }
    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

private:
    int width_;
};

}  // namespace

PanelStatusBar::PanelStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(true);
    for (int i = 0; i < kPanels; ++i) {
        auto* label = new PanelLabel(kPanelWidths[i], this);
        label->setObjectName(QStringLiteral("StatusBar1_Panel%1").arg(i));
        label->setAlignment((kPanelCentred[i] ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        label->setVisible(kPanelWidths[i] > 0);
        addWidget(label, i == kPanels - 1 ? 1 : 0);
        panels_[i] = label;
    }
    panels_[0]->setText(QStringLiteral("Keine Verbindung"));
}

QString PanelStatusBar::panelText(int panel) const
{
    return panel >= 0 && panel < kPanels ? panels_[panel]->text() : QString();
}

void PanelStatusBar::setPanelText(int panel, const QString& text)
{
    if (panel >= 0 && panel < kPanels)
        panels_[panel]->setText(text);
}

int PanelStatusBar::panelWidth(int panel) const
{
    return panel >= 0 && panel < kPanels ? kPanelWidths[panel] : 0;
}

Qt::Alignment PanelStatusBar::panelAlignment(int panel) const
{
    return panel >= 0 && panel < kPanels ? panels_[panel]->alignment() : Qt::Alignment();
}

QLabel* PanelStatusBar::panel(int panel) const
{
    return panel >= 0 && panel < kPanels ? panels_[panel] : nullptr;
}

const QStringList& arrowItemsUpStopDown()
{
    static const QStringList items{QStringLiteral("↑"), QStringLiteral("●"), QStringLiteral("↓")};
    return items;
}

const QStringList& arrowItemsUpDown()
{
    static const QStringList items{QStringLiteral("↑"), QStringLiteral("↓")};
    return items;
}

QFont windowFont()
{
    // Arial-metric text at the size of the classic 8-point dialog font.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

QFont fixedPitchFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(9);
    return font;
}

void setItems(QComboBox* combo, const ItemList& items)
{
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(items.size()));
    for (const auto& item : items)
        texts.push_back(fromWindows1252(item));
    combo->clear();
    combo->addItems(texts);
}

void setItems(QListWidget* list, const ItemList& items)
{
    list->clear();
    for (const auto& item : items)
        list->addItem(fromWindows1252(item));
}

}  // namespace lumivox
