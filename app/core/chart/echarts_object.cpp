#include "app/core/chart/echarts_object.h"

#include <cmath>
#include <cstdio>
#include <utility>

namespace quorvela {

struct EChartsObject::Entries {
  std::vector<std::pair<std::string, EChartsValue>> items;
};

EChartsObject::EChartsObject() : entries_(std::make_shared<Entries>()) {}

EChartsValue& EChartsObject::slot(std::string_view key) {
  for (auto& [name, value] : entries_->items) {
    if (name == key) return value;
  }
  return entries_->items.emplace_back(std::string(key), EChartsValue{}).second;
}

const EChartsValue* EChartsObject::find(std::string_view key) const {
  for (const auto& [name, value] : entries_->items) {
    if (name == key) return &value;
  }
  return nullptr;
}

void EChartsObject::setRaw(std::string_view key, std::string json) {
  EChartsValue& value = slot(key);
  value = EChartsValue{};
  value.text = std::move(json);
}

void EChartsObject::setString(std::string_view key, std::string text) {
  EChartsValue& value = slot(key);
  value = EChartsValue{};
  value.kind = EChartsValue::Kind::String;
  value.text = std::move(text);
}

void EChartsObject::setNumber(std::string_view key, double value) { setRaw(key, EChartsNumberText(value)); }

EChartsObject EChartsObject::child(std::string_view key) {
  EChartsValue& value = slot(key);
  if (value.kind != EChartsValue::Kind::Object) {
    value = EChartsValue{};
    value.kind = EChartsValue::Kind::Object;
  }
  return value.object;
}

void EChartsObject::appendToArray(std::string_view key, const EChartsObject& element) {
  EChartsValue& value = slot(key);
  if (value.kind != EChartsValue::Kind::Array) {
    value = EChartsValue{};
    value.kind = EChartsValue::Kind::Array;
  }
  value.elements.push_back(element);
}

std::string EChartsObject::toJson() const {
  std::string out;
  writeJson(out);
  return out;
}

namespace {

void writeValue(std::string& out, const EChartsValue& value) {
  switch (value.kind) {
    case EChartsValue::Kind::Raw:
      out += value.text.empty() ? std::string_view("null") : std::string_view(value.text);
      break;
    case EChartsValue::Kind::String:
      AppendJsonString(out, value.text);
      break;
    case EChartsValue::Kind::Object:
      value.object.writeJson(out);
      break;
    case EChartsValue::Kind::Array: {
      out += '[';
      bool first = true;
      for (const auto& element : value.elements) {
        if (!first) out += ',';
        first = false;
        element.writeJson(out);
      }
      out += ']';
      break;
    }
  }
}

}  // namespace

void EChartsObject::writeJson(std::string& out, const EChartsObject* defaults) const {
  out += '{';
  bool first = true;
  auto member = [&](const std::string& name, const EChartsValue& value) {
    if (!first) out += ',';
    first = false;
    AppendJsonString(out, name);
    out += ':';
    writeValue(out, value);
  };
  for (const auto& [name, value] : entries_->items) member(name, value);
  if (defaults && defaults->entries_ != entries_) {
    for (const auto& [name, value] : defaults->entries_->items) {
      if (!find(name)) member(name, value);
    }
  }
  out += '}';
}

std::string EChartsNumberText(double value) {
  if (!std::isfinite(value) || std::fabs(value) < 1e-6) return "0";
  char text[32];
  std::snprintf(text, sizeof text, "%.15G", value);
  return text;
}

void AppendJsonString(std::string& out, std::string_view text) {
  out += '"';
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (byte < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04X", byte);
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  out += '"';
}

}  // namespace quorvela
