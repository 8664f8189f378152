#pragma once
// The buttons of "Sicherung auf Datenträger": save and load the settings file.

#include <QObject>
#include <array>

class QCheckBox;

namespace lumivox {

class TVirelta;

class FileActions : public QObject {
    Q_OBJECT
public:
    explicit FileActions(TVirelta& window);

public slots:
    void SaveToDisk_ButtonClick();
    void Read_From_DiskClick();

private:
    // CheckBox1 .. CheckBox32 of the group page, or nothing while that page
    // does not exist; the model's masks are then the only copy.
    std::array<QCheckBox*, 32> groupBoxes() const;
    void packGroupMasks();
    void unpackGroupMasks();

    TVirelta& window_;
};

}  // namespace lumivox
