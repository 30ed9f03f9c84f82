// tavrel-cli --tool=NAME FIELD=VALUE ...: one evaluation of a builder's tool.
#pragma once

#include <optional>
#include <ostream>

namespace tavrel::cli {

// The exit status when the arguments ask for a tool (--tool=NAME or
// --tool=list); nothing when they are a key script.
std::optional<int> runToolCommand(int argc, char** argv, std::ostream& out, std::ostream& err);

}  // namespace tavrel::cli
