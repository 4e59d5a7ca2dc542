#include "Json.h"

#include <cmath>
#include <cstdio>

#include "platform/Cp1251.h"

namespace ispyt::tool {

void Json::flush(std::FILE* to) {
  std::fwrite(out_.data(), 1, out_.size(), to);
  out_.clear();
}

void Json::newline() {
  out_ += '\n';
  out_.append(first_.size() * 2, ' ');
}

void Json::beforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!first_.empty()) {
    if (!first_.back()) out_ += ',';
    first_.back() = false;
    newline();
  }
}

Json& Json::beginObject() {
  beforeValue();
  out_ += '{';
  first_.push_back(true);
  return *this;
}

Json& Json::endObject() {
  bool empty = first_.back();
  first_.pop_back();
  if (!empty) newline();
  out_ += '}';
  return *this;
}

Json& Json::beginArray() {
  beforeValue();
  out_ += '[';
  first_.push_back(true);
  return *this;
}

Json& Json::endArray() {
  bool empty = first_.back();
  first_.pop_back();
  if (!empty) newline();
  out_ += ']';
  return *this;
}

Json& Json::key(std::string_view name) {
  beforeValue();
  afterKey_ = true;  // the name itself is no new member
  utf8(name);
  out_ += ": ";
  afterKey_ = true;
  return *this;
}

Json& Json::text(std::string_view cp1251) { return utf8(cp1251ToUtf8(cp1251)); }

Json& Json::utf8(std::string_view s) {
  beforeValue();
  out_ += '"';
  for (unsigned char c : s) {
    switch (c) {
      case '"': out_ += "\\\""; break;
      case '\\': out_ += "\\\\"; break;
      case '\n': out_ += "\\n"; break;
      case '\r': out_ += "\\r"; break;
      case '\t': out_ += "\\t"; break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out_ += buf;
        } else {
          out_ += static_cast<char>(c);
        }
    }
  }
  out_ += '"';
  return *this;
}

Json& Json::number(std::int64_t value) {
  beforeValue();
  out_ += std::to_string(value);
  return *this;
}

Json& Json::number(double value) {
  beforeValue();
  if (!std::isfinite(value)) {
    out_ += "null";
    return *this;
  }
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.10g", value);
  out_ += buf;
  return *this;
}

Json& Json::boolean(bool value) {
  beforeValue();
  out_ += value ? "true" : "false";
  return *this;
}

Json& Json::null() {
  beforeValue();
  out_ += "null";
  return *this;
}

}  // namespace ispyt::tool
