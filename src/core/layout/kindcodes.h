#pragma once
// The codes of the kinds in the table of kinds, for what shows every kind (the start screen).

#include <vector>

namespace quillora {

// Every kind's code: the shipped kinds in code order, then the registered ones in the order they
// joined. A shipped kind whose row was replaced keeps its place.
std::vector<int> kindCodes();

} // namespace quillora
