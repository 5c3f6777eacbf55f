// Loading condition reader: any input is refused with a message naming a
// line and the condition untouched, or gives a condition every check
// accepts; a condition written out reads back to the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "loading/condition_file.h"

using namespace skelmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  LoadingCondition condition;
  condition.items.push_back({"untouched", 1.0, 2.0, 3.0, 4.0});
  const std::string before = FormatConditionFile(condition);
  std::string message;
  if (!ParseConditionFile(text, condition, message)) {
    if (message.rfind("Line ", 0) != 0) std::abort();
    if (FormatConditionFile(condition) != before) std::abort();
    return 0;
  }
  if (CheckCondition(condition).has_value()) std::abort();

  const std::string written = FormatConditionFile(condition);
  LoadingCondition again;
  if (!ParseConditionFile(written, again, message)) std::abort();
  if (FormatConditionFile(again) != written) std::abort();
  return 0;
}
