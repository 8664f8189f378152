#include "link/live_pages.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/live_fields.h"
#include "core/main_window.h"
#include "core/widgets.h"

namespace lumivox {

namespace {

// A column at the right side of a page, beside whatever the page's editors
// put on its left.
QVBoxLayout* rightColumn(QWidget* page)
{
    auto* column = new QWidget(page);
    column->setObjectName(page->objectName() + QStringLiteral("_Live"));
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    if (auto* box = qobject_cast<QBoxLayout*>(page->layout())) {
        box->addWidget(column, 0, Qt::AlignRight | Qt::AlignTop);
    } else if (page->layout()) {
        page->layout()->addWidget(column);
    } else {
        auto* pageLayout = new QHBoxLayout(page);
        pageLayout->addStretch(1);
        pageLayout->addWidget(column, 0, Qt::AlignTop);
    }
    return layout;
}

void addTemperatureGroups(TVirelta& window, const QString& pageName, const QString& suffix)
{
    QWidget* page = window.page(pageName);
    if (!page || control(&window, QStringLiteral("IT_Aktuell") + suffix))
        return;
    QVBoxLayout* column = rightColumn(page);
    column->addWidget(makeIndoorTemperatureGroup(page, suffix));
    column->addWidget(makeOutdoorTemperatureGroup(page, suffix));
    column->addStretch(1);
}

void addAlarmStatus(TVirelta& window)
{
    QWidget* page = window.page(QStringLiteral("Parameter"));
    if (!page || control(&window, QStringLiteral("AlarmStatus")))
        return;
    auto* group = new QGroupBox(QStringLiteral("Alarm"), page);
    group->setObjectName(QStringLiteral("GroupBox_AlarmStatus"));
    auto* row = new QHBoxLayout(group);
    auto* label = new QLabel(QStringLiteral("Status"), group);
    label->setObjectName(QStringLiteral("Label31"));
    auto* status = new QLineEdit(QStringLiteral("Kein Alarm"), group);
    status->setObjectName(QStringLiteral("AlarmStatus"));
    status->setReadOnly(true);
    status->setFocusPolicy(Qt::NoFocus);
    status->setMaximumWidth(110);
    row->addWidget(label);
    row->addWidget(status);
    QVBoxLayout* column = rightColumn(page);
    column->addWidget(group);
    column->addStretch(1);
}

}  // namespace

void buildLiveFields(TVirelta& window)
{
    addTemperatureGroups(window, QStringLiteral("Wintergarten_Maske"), QStringLiteral("2"));
    addTemperatureGroups(window, QStringLiteral("Heizung_Maske"), QStringLiteral("3"));
    addAlarmStatus(window);
}

}  // namespace lumivox
