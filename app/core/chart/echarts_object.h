#pragma once
// Option objects of the chart: keys in the order they were first set, each holding raw JSON,
// a string, a sub-object or an array of objects. Copies share one key map, so a change
// through any copy shows in every other and in the JSON built afterwards.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quorvela {

struct EChartsValue;

class EChartsObject {
 public:
  EChartsObject();

  void setRaw(std::string_view key, std::string json);
  void setString(std::string_view key, std::string text);
  // Raw number as "%.15G"; within 1e-6 of 0, and anything not finite, is written "0".
  void setNumber(std::string_view key, double value);
  // The sub-object under key, created when missing or when the key holds something else.
  EChartsObject child(std::string_view key);
  // Appends a copy of element (sharing its keys) to the array under key.
  void appendToArray(std::string_view key, const EChartsObject& element);

  const EChartsValue* find(std::string_view key) const;
  bool sharesKeysWith(const EChartsObject& other) const { return entries_ == other.entries_; }

  std::string toJson() const;
  // Writes this object's keys, then those of defaults that this object does not set.
  void writeJson(std::string& out, const EChartsObject* defaults = nullptr) const;

 private:
  struct Entries;
  EChartsValue& slot(std::string_view key);

  std::shared_ptr<Entries> entries_;
};

struct EChartsValue {
  enum class Kind { Raw, String, Object, Array };
  Kind kind = Kind::Raw;
  std::string text;  // Raw: JSON as given; String: the text itself
  EChartsObject object;
  std::vector<EChartsObject> elements;
};

// Number text as the option writes it.
std::string EChartsNumberText(double value);
// JSON string literal (quoted, escaped; UTF-8 passes through).
void AppendJsonString(std::string& out, std::string_view text);

class EChartsDataItem : public EChartsObject {};

class EChartsSeries : public EChartsObject {
 public:
  void appendData(const EChartsDataItem& item) { appendToArray("data", item); }
};

}  // namespace quorvela
