#include "core/live_fields.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>

namespace lumivox {

namespace {

QLineEdit* readOnlyField(const QString& name, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setMaximumWidth(70);
    field->setAlignment(Qt::AlignRight);
    return field;
}

QGroupBox* temperatureGroup(QWidget* parent, const QString& caption, const QString& groupName,
                            const QString& current, const QString& minimum, const QString& maximum)
{
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(groupName);
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("Aktuell:"), readOnlyField(current, group));
    form->addRow(QStringLiteral("Min. (24h):"), readOnlyField(minimum, group));
    form->addRow(QStringLiteral("Max. (24h):"), readOnlyField(maximum, group));
    return group;
}

}  // namespace

QGroupBox* makeIndoorTemperatureGroup(QWidget* parent, const QString& s)
{
    return temperatureGroup(parent, QStringLiteral("Innentemperatur"), QStringLiteral("GroupBoxInnentemperatur") + s,
                            QStringLiteral("IT_Aktuell") + s, QStringLiteral("IT_Min") + s,
                            QStringLiteral("IT_Max") + s);
}

QGroupBox* makeOutdoorTemperatureGroup(QWidget* parent, const QString& s)
{
    const QString minimum = s == QStringLiteral("2") ? QStringLiteral("AT_min2") : QStringLiteral("AT_Min") + s;
    return temperatureGroup(parent, QStringLiteral("Außentemperatur"), QStringLiteral("GroupBoxAussentemperatur") + s,
                            QStringLiteral("AT_Aktuell") + s, minimum, QStringLiteral("AT_Max") + s);
}

}  // namespace lumivox
