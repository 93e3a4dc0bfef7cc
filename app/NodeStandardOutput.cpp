// tachoria-cli's output under Node (the WebAssembly build): see web/NodeOutput.h.
#include "app/StandardOutput.h"
#include "web/NodeOutput.h"

namespace tachoria {

int WriteStandardOutput(std::string_view text) { return web::WriteToStandardOutput(text); }

}  // namespace tachoria
