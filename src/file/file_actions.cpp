#include "file/file_actions.h"

#include "core/main_window.h"

namespace lumivox {

FileActions::FileActions(TVirelta& window) : window_(window) {}

}  // namespace lumivox
