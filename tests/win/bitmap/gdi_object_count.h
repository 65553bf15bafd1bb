#pragma once
// How many GDI objects this process holds. GetGuiResources where the system implements it;
// under Wine (where it is a stub) the entries in use of Wine's per-process GDI handle table,
// whose layout is checked against a bitmap made and deleted for the purpose.
#include <optional>

namespace qv::test {

// Nothing when neither way can be trusted here: a failure for the leak tests, which run
// on Windows and under the project's two Wines, where one of the two answers.
std::optional<int> LiveGdiObjects();

}  // namespace qv::test
