#pragma once

#include <CLI/CLI.hpp>

#include <memory>

namespace tachoria {

// CLI11's help, with each option's "Needs:" and "Excludes:" naming the other
// options in the order the command declares them. CLI11 keeps them in a set
// ordered by address, so its own order changes with the memory allocator (it
// differs between the native and the WebAssembly builds).
std::shared_ptr<CLI::Formatter> MakeHelpFormatter();

}  // namespace tachoria
