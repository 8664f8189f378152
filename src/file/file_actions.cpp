#include "file/file_actions.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>

#include "automation/automation_editors.h"
#include "automation/list_mask_editor.h"
#include "core/main_window.h"
#include "core/widgets.h"
#include "file/settings_io.h"
#include "schedule/schedule_editor.h"

namespace lumivox {

FileActions::FileActions(TVirelta& window) : window_(window)
{
    if (auto* save = control<QPushButton>(&window_, QStringLiteral("SaveToDisk_Button")))
        connect(save, &QPushButton::clicked, this, &FileActions::SaveToDisk_ButtonClick);
    if (auto* load = control<QPushButton>(&window_, QStringLiteral("Read_From_Disk")))
        connect(load, &QPushButton::clicked, this, &FileActions::Read_From_DiskClick);
}

std::array<QCheckBox*, 32> FileActions::groupBoxes() const
{
    std::array<QCheckBox*, 32> boxes{};
    for (int i = 0; i < 32; ++i) {
        boxes[i] = control<QCheckBox>(&window_, QStringLiteral("CheckBox%1").arg(i + 1));
        if (!boxes[i])
            return {};
    }
    return boxes;
}

void FileActions::packGroupMasks()
{
    const auto boxes = groupBoxes();
    if (!boxes[0])
        return;
    std::array<bool, 32> checks{};
    for (int i = 0; i < 32; ++i)
        checks[i] = boxes[i]->isChecked();
    window_.model().GruppenZentralsteuerung.Gruppe = GroupMasksFromChecks(checks);
}

void FileActions::unpackGroupMasks()
{
    const auto boxes = groupBoxes();
    if (!boxes[0])
        return;
    const auto checks = ChecksFromGroupMasks(window_.model().GruppenZentralsteuerung.Gruppe);
    for (int i = 0; i < 32; ++i)
        boxes[i]->setChecked(checks[i]);
}

void FileActions::SaveToDisk_ButtonClick()
{
    Dialogs& dialogs = window_.dialogs();
    const FileDialogSetup& setup = window_.saveDialog1();
    const QString path = dialogs.saveFileName(setup.filter, setup.defaultSuffix);
    if (path.isEmpty())
        return;
    if (QFileInfo::exists(path)
        && !dialogs.askYesNo(QDir::toNativeSeparators(path)
                             + QStringLiteral(" existiert. Wollen Sie die Datei überschreiben?"))) {
        dialogs.information(QStringLiteral("Die Daten wurden nicht gespeichert"));
        return;
    }
    packGroupMasks();
    QString message;
    if (!saveSettingsFile(path, window_.model(), &message))
        dialogs.error(message);
}

void FileActions::Read_From_DiskClick()
{
    Dialogs& dialogs = window_.dialogs();
    const QString path = dialogs.openFileName(window_.openDialog1().filter);
    if (path.isEmpty())
        return;
    // The model changes only when the whole file was read; after a fault
    // everything on screen stays as it was.
    QString message;
    if (!loadSettingsFile(path, window_.model(), &message)) {
        dialogs.error(message);
        return;
    }
    unpackGroupMasks();
    emit window_.motorNamesChanged();
    window_.schedule().refreshAfterLoad();
    // The heating editor shows its motor's record again, as a pick in Heiz_Raum does.
    if (ListMaskEditor* heating = window_.automation().editor(QStringLiteral("Heiz")))
        heating->motorPicked();
}

}  // namespace lumivox
