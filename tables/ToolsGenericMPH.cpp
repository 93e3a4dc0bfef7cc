#include "tables/ToolsGenericMPH.h"

namespace tachoria {

Table ShowGenericMPH(const GenericPage& page) { return ShowGenericTable(page, TableMode::GetMPH); }

}  // namespace tachoria
