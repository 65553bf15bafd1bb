#include "app/core/chart/gauge_reading.h"

#include <charconv>
#include <cmath>

namespace quorvela {

namespace {

bool rawNumber(const EChartsObject& object, const char* key, double& out) {
  const EChartsValue* value = object.find(key);
  if (!value || value->kind != EChartsValue::Kind::Raw) return false;
  const std::string& text = value->text;
  double parsed = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(parsed)) return false;
  out = parsed;
  return true;
}

bool isGauge(const EChartsObject& series) {
  const EChartsValue* type = series.find("type");
  return type && type->kind == EChartsValue::Kind::String && type->text == "gauge";
}

}  // namespace

GaugeReading ReadGauge(const EChartsOption& option) {
  GaugeReading reading;
  for (const auto& series : option.series()) {
    if (!isGauge(series)) continue;
    reading.present = true;
    rawNumber(series, "min", reading.min);
    rawNumber(series, "max", reading.max);
    const EChartsValue* data = series.find("data");
    if (data && data->kind == EChartsValue::Kind::Array && !data->elements.empty()) {
      const EChartsObject& item = data->elements.front();
      if (rawNumber(item, "value", reading.value)) reading.valueText = EChartsNumberText(reading.value);
      const EChartsValue* name = item.find("name");
      if (name && name->kind == EChartsValue::Kind::String) reading.name = name->text;
    }
    break;
  }
  return reading;
}

double GaugeFraction(const GaugeReading& reading) {
  if (!(reading.max > reading.min)) return 0;
  const double fraction = (reading.value - reading.min) / (reading.max - reading.min);
  return fraction < 0 ? 0 : fraction > 1 ? 1 : fraction;
}

double DialAngleDegrees(double fraction) { return kDialStartDegrees - kDialSweepDegrees * fraction; }

}  // namespace quorvela
