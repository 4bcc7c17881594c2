#include "app/layout/LayoutReader.h"

#include <cstdio>

namespace app::json {

void RefuseRawControlCharacters(const QByteArray& json) {
  bool inString = false;
  for (qsizetype i = 0; i < json.size(); ++i) {
    const auto c = static_cast<unsigned char>(json[i]);
    if (!inString) {
      if (c == '"') inString = true;
      continue;
    }
    if (c == '\\') {
      ++i;  // the escaped character, whatever it is
    } else if (c == '"') {
      inString = false;
    } else if (c < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "U+%04X", c);
      throw LayoutError("(file)", "(syntax)",
                        "not valid JSON at offset " + std::to_string(i) + ": raw control character " + buf +
                            " in a string (write it escaped)");
    }
  }
}

void CheckScreenSize(const ObjectReader& r, const std::string& key, double twips) {
  if (twips > kMaxSizeTwips)
    r.Fail(key, "size larger than any screen (at most " + std::to_string(static_cast<int>(kMaxSizeTwips)) + " twips)");
}

}  // namespace app::json
