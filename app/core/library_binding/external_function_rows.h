#pragma once
// The library functions the program binds, in binding order. An empty library path means
// the library of the row before.
#include <array>
#include <string_view>

namespace quorvela {

struct ExternalFunctionRow {
  std::string_view libraryPath;  // UTF-8
  std::string_view exportName;
};

enum class ExternalFunction { JPXX, JQMBT, QWXJB, ZT };

inline constexpr std::array<ExternalFunctionRow, 4> kExternalFunctionRows{{
    {"模块\\Pixfarrow.dll", "JPXX"},
    {"", "JQMBT"},
    {"", "QWXJB"},
    {"", "ZT"},
}};

}  // namespace quorvela
