#include "automation/automation_editors.h"

#include "core/main_window.h"

namespace lumivox {

AutomationEditors::AutomationEditors(TVirelta& window) : window_(window) {}

void AutomationEditors::startUp() {}

void AutomationEditors::pageEntered(QWidget*) {}

}  // namespace lumivox
