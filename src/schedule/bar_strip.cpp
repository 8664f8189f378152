#include "schedule/bar_strip.h"

#include <QLabel>

#include "core/text.h"

namespace lumivox {

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

}  // namespace lumivox
