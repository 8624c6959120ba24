#pragma once

#include <functional>

// Runs `work` with standard output sent nowhere: the dump encoder traces
// every packet there, which would bury the tool's own output.
void without_stdout(const std::function<void()> &work);
