#pragma once
// A small streaming JSON writer for the tool's output.  Text values are
// Windows-1251 domain text and are written as UTF-8.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace ispyt::tool {

class Json {
 public:
  Json& beginObject();
  Json& endObject();
  Json& beginArray();
  Json& endArray();
  Json& key(std::string_view name);  // name is ASCII
  Json& text(std::string_view cp1251);
  Json& utf8(std::string_view utf8);
  Json& number(std::int64_t value);
  Json& number(double value);
  Json& boolean(bool value);
  Json& null();

  // The document, indented by two spaces, with a final newline.
  std::string str() const { return out_ + "\n"; }
  // Writes what is done so far and forgets it, so that a long document
  // takes no more memory than its last part; str() then gives the rest.
  void flush(std::FILE* to);

 private:
  void beforeValue();
  void newline();
  std::string out_;
  std::vector<bool> first_;  // per open container: no member written yet
  bool afterKey_ = false;
};

}  // namespace ispyt::tool
