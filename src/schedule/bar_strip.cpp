#include "schedule/bar_strip.h"

#include <QLabel>
#include <QPainter>
#include <algorithm>

#include "core/text.h"

namespace lumivox {

QColor timelineUpColour()
{
    return QColor(0x3A, 0x6E, 0xA5);   // the classic desktop background
}

QColor timelineDownColour()
{
    return Qt::black;
}

BarStrip::BarStrip(const QString& prefix, QWidget* parent) : QWidget(parent)
{
    for (std::size_t i = 0; i < bars_.size(); ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(prefix + QString::number(i + 1));
        label->setAutoFillBackground(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setGeometry(0, 0, 0, kBarHeight);
        bars_[i] = label;
    }
}

void BarStrip::setBars(const schedule::BarRow& bars, QColor up, QColor down)
{
    for (std::size_t i = 0; i < bars_.size(); ++i) {
        const schedule::Bar& bar = bars[i];
        QLabel* label = bars_[i];
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, bar.colour == schedule::BarColour::Up ? up : down);
        palette.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(palette);
        label->setText(fromWindows1252(bar.caption));
        // A bar of times out of order has a negative width: not drawn.
        label->setGeometry(bar.x, label->y(), bar.width > 0 ? bar.width : 0, kBarHeight);
    }
}

HourScale::HourScale(int rowWidth, QWidget* parent) : QWidget(parent), rowWidth_(rowWidth)
{
    QFont small = font();
    small.setPixelSize(9);
    setFont(small);
    setFixedHeight(sizeHint().height());
}

QSize HourScale::sizeHint() const
{
    return {rowWidth_, fontMetrics().height() + 4};
}

void HourScale::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics = fontMetrics();
    for (int hour = 0; hour <= 24; ++hour) {
        // Where a switching time at the full hour starts its bar.
        const int x = (hour * 60 + 1) * rowWidth_ / 1440;
        const bool labelled = hour % 3 == 0;
        painter.drawLine(x, 0, x, labelled ? 3 : 1);
        if (!labelled)
            continue;
        const QString label = QString::number(hour);
        const int w = metrics.horizontalAdvance(label);
        const int left = std::clamp(x - w / 2, 0, width() - w);
        painter.drawText(left, 4 + metrics.ascent(), label);
    }
}

}  // namespace lumivox
