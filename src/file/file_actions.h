#pragma once
// The buttons of "Sicherung auf Datenträger": save and load the settings file.

#include <QObject>

namespace lumivox {

class TVirelta;

class FileActions : public QObject {
    Q_OBJECT
public:
    explicit FileActions(TVirelta& window);

private:
    TVirelta& window_;
};

}  // namespace lumivox
