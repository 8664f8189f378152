#include "schedule/schedule_editor.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/main_window.h"
#include "core/widgets.h"

namespace lumivox {

namespace {

QPushButton* button(const char* name, const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

}  // namespace

ScheduleEditor::ScheduleEditor(TVirelta& window, QWidget* page) : window_(window), page_(page)
{
    auto* layout = new QGridLayout(page_);

    auto* transfer = new QGroupBox(QStringLiteral("Datenaustausch"), page_);
    transfer->setObjectName(QStringLiteral("GroupBox_Datenaustausch"));
    auto* transferLayout = new QGridLayout(transfer);
    // Both pairs sit on the same spot; the link shows one of them.
    transferLayout->addWidget(button("Send_Button_RS", QStringLiteral("Steuerung --> PC"), transfer), 0, 0);
    transferLayout->addWidget(button("Send_Button_WS", QStringLiteral("Steuerung --> PC"), transfer), 0, 0);
    transferLayout->addWidget(button("Read_Button_RS", QStringLiteral("PC --> Steuerung"), transfer), 1, 0);
    transferLayout->addWidget(button("Read_Button_WS", QStringLiteral("PC --> Steuerung"), transfer), 1, 0);

    auto* backup = new QGroupBox(QStringLiteral("Sicherung auf Datenträger"), page_);
    backup->setObjectName(QStringLiteral("GroupBox_Sicherung"));
    auto* backupLayout = new QVBoxLayout(backup);
    QPushButton* save = button("SaveToDisk_Button", QStringLiteral(" Speichern auf File"), backup);
    save->setToolTip(QStringLiteral("Schaltzeiten sowie alle anderen Einstellungen auf Festplatte schreiben"));
    backupLayout->addWidget(save);
    backupLayout->addWidget(button("Read_From_Disk", QStringLiteral(" Lesen von File     "), backup));

    auto* port = new QGroupBox(QStringLiteral("Port"), page_);
    port->setObjectName(QStringLiteral("GroupBox_Port"));
    auto* portLayout = new QVBoxLayout(port);
    auto* portCombo = new QComboBox(port);
    portCombo->setObjectName(QStringLiteral("Combo_PortNum"));
    portCombo->setToolTip(QStringLiteral("Serielle Schnittstelle"));
    portCombo->setMaxVisibleItems(16);
    setItems(portCombo, items::ports());
    portLayout->addWidget(portCombo);
    auto* progress = new QProgressBar(port);
    progress->setObjectName(QStringLiteral("ProgressBar"));
    portLayout->addWidget(progress);
    auto* lineError = new QLabel(port);
    lineError->setObjectName(QStringLiteral("Label21"));
    portLayout->addWidget(lineError);

    layout->addWidget(transfer, 0, 1);
    layout->addWidget(backup, 1, 1);
    layout->addWidget(port, 2, 1);
    layout->setRowStretch(3, 1);
    layout->setColumnStretch(0, 1);
}

void ScheduleEditor::showMotorListFirst() {}
void ScheduleEditor::startUpMask() {}
void ScheduleEditor::drawTimeline() {}
void ScheduleEditor::refreshAfterLoad() {}

}  // namespace lumivox
