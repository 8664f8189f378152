#pragma once
// A row of nine coloured bars with white captions: the drawing of a BarRow.
// The day timeline uses one (B1 ... B9); the week overview one per day.

#include <QColor>
#include <QWidget>
#include <array>

#include "schedule/timeline.h"

class QLabel;

namespace lumivox {

// The day timeline's colours: after an up run the desktop background
// colour, after a down run black.
QColor timelineUpColour();
QColor timelineDownColour();

class BarStrip : public QWidget {
    Q_OBJECT
public:
    // The bars are QLabels named prefix + "1" ... prefix + "9".
    BarStrip(const QString& prefix, QWidget* parent = nullptr);

    void setBars(const schedule::BarRow& bars, QColor up, QColor down);
    QLabel* bar(int index) const { return bars_[static_cast<std::size_t>(index)]; }

    static constexpr int kBarHeight = 13;

private:
    std::array<QLabel*, 9> bars_{};
};

// Hour marks under a bar row: a tick every hour at the x of its Uhrzeit,
// a number every three hours.
class HourScale : public QWidget {
    Q_OBJECT
public:
    HourScale(int rowWidth, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int rowWidth_;
};

}  // namespace lumivox
