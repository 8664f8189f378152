#pragma once
// Small widgets and helpers every page uses.

#include <QColor>
#include <QLabel>
#include <QStatusBar>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>

#include "core/item_lists.h"

class QComboBox;
class QListWidget;

namespace lumivox {

// A 9 x 9 square or circle filled with one colour: the activity cross.
class ShapeWidget : public QWidget {
    Q_OBJECT
public:
    enum class Shape { Rectangle, Circle };
    ShapeWidget(const QString& name, QColor color, QWidget* parent = nullptr);

    QColor color() const { return color_; }
    Shape shape() const { return shape_; }
    void setColor(QColor color);
    void setShape(Shape shape);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor color_;
    Shape shape_ = Shape::Rectangle;
};

// StatusBar1: fourteen text panels of fixed widths, the last one taking the rest.
class PanelStatusBar : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int kPanels = 14;
    explicit PanelStatusBar(QWidget* parent = nullptr);

    QString panelText(int panel) const;
    void setPanelText(int panel, const QString& text);
    int panelWidth(int panel) const;
    Qt::Alignment panelAlignment(int panel) const;
    QLabel* panel(int panel) const;

private:
    std::array<QLabel*, kPanels> panels_{};
};

// Direction items: up, stop, down (stop is left out of two-item lists).
const QStringList& arrowItemsUpStopDown();
const QStringList& arrowItemsUpDown();

// The window's text font.
QFont windowFont();
// The font of every fixed-pitch list.
QFont fixedPitchFont();

// Fills a combo box or list box with Windows-1252 items.
void setItems(QComboBox* combo, const ItemList& items);
void setItems(QListWidget* list, const ItemList& items);

// Finds a control by its documented name below root; nullptr when absent.
template <typename T = QWidget>
T* control(const QObject* root, const QString& name)
{
    return root->findChild<T*>(name);
}

}  // namespace lumivox
