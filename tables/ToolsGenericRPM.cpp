#include "tables/ToolsGenericRPM.h"

namespace tachoria {

Table ShowGenericRPM(const GenericPage& page) { return ShowGenericTable(page, TableMode::GetRPM); }

}  // namespace tachoria
