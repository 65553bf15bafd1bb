#pragma once
// The texts with which a failed start is reported (UTF-8).
#include <string>
#include <string_view>

#include "app/core/object/vol_exception.h"

namespace quorvela {

inline constexpr std::string_view kStartFailureCaption = "运行时异常";
inline constexpr std::string_view kUnmanagedExceptionText = "程序在运行时抛出了未被管理的异常";

std::string caughtExceptionText(const CVolException& error);

}  // namespace quorvela
