#include "telemetry/gps_sentence.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "telemetry/fix_time.h"
#include "telemetry/text_numbers.h"

namespace vantrel {
namespace {

constexpr double kKilometresPerKnot = 1.852;
constexpr int kLastField = 9;

// Comma-separated fields, left to right. Empty fields count; the last field ends at the end of
// the text.
class FieldReader {
 public:
  explicit FieldReader(std::string_view text) : rest_(text) {}

  std::optional<std::string_view> Next() {
    if (done_) return std::nullopt;
    const size_t comma = rest_.find(',');
    if (comma == std::string_view::npos) {
      done_ = true;
      return rest_;
    }
    const std::string_view field = rest_.substr(0, comma);
    rest_.remove_prefix(comma + 1);
    return field;
  }

 private:
  std::string_view rest_;
  bool done_ = false;
};

// Two characters of a packed field such as hhmmss or ddmmyy, read as a number. Characters past
// the end of a short field are absent, never borrowed from the next field.
int TwoDigits(std::string_view field, size_t offset) {
  if (offset >= field.size()) return 0;
  return LeadingInteger(field.substr(offset, 2));
}

// Speed and course are kept at single precision; a value beyond it is no number at all, rather
// than a conversion C++ leaves undefined.
double SinglePrecision(double value) {
  if (!(std::fabs(value) <= std::numeric_limits<float>::max())) {
    return std::numeric_limits<double>::infinity();
  }
  return static_cast<float>(value);
}

// "nan", "inf" or a number too large for its field is no position, speed or course: it is
// stored as 0, so it can never reach a map, a report or an export, and the fix is not valid.
void DropNonFinite(GpsRecord& record) {
  bool finite = true;
  for (double* value : {&record.latitude, &record.longitude, &record.speed, &record.course}) {
    if (!std::isfinite(*value)) {
      *value = 0;
      finite = false;
    }
  }
  if (!finite) record.valid = 0;
}

bool StartsWith(std::string_view field, char letter) {
  return !field.empty() && field[0] == letter;
}

void ApplyField(GpsRecord& record, int index, std::string_view field) {
  switch (index) {
    case 1:
      record.hour = TwoDigits(field, 0) + kRecorderHourShift;
      record.minute = TwoDigits(field, 2);
      record.second = TwoDigits(field, 4);
      break;
    case 2:
      record.valid = StartsWith(field, 'A') ? 1 : 0;
      break;
    case 3:
      record.latitude = LeadingDouble(field);
      break;
    case 4:
      if (!StartsWith(field, 'N')) record.latitude = -record.latitude;
      break;
    case 5:
      record.longitude = LeadingDouble(field);
      break;
    case 6:
      if (!StartsWith(field, 'E')) record.longitude = -record.longitude;
      break;
    case 7:
      record.speed = SinglePrecision(LeadingDouble(field) * kKilometresPerKnot);
      break;
    case 8:
      record.course = SinglePrecision(LeadingDouble(field));
      break;
    case 9:
      record.day = TwoDigits(field, 0);
      record.month = TwoDigits(field, 2);
      record.year = TwoDigits(field, 4);
      break;
    default:  // field 0, the tag, says nothing we need
      break;
  }
}

}  // namespace

bool ParseGpsSentence(GpsRecord& record, uint32_t time_stamp, std::string_view text) {
  record.time_stamp = time_stamp;
  text = text.substr(0, std::min({text.find('\0'), text.size(), kMaxSentenceLength}));
  const size_t first = text.find_first_not_of(',');
  text.remove_prefix(first == std::string_view::npos ? text.size() : first);

  FieldReader fields(text);
  for (int index = 0; index <= kLastField; ++index) {
    const std::optional<std::string_view> field = fields.Next();
    if (!field) {
      DropNonFinite(record);
      return false;
    }
    ApplyField(record, index, *field);
  }
  DropNonFinite(record);
  record.fix_time = LocalFixTime(record);
  return true;
}

}  // namespace vantrel
