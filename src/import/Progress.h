#pragma once

#include <functional>

// Reports how far a long piece of work has come; answering false stops it.
using Progress = std::function<bool(int done, int total)>;
