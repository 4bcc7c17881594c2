#pragma once
/// \file
/// The host's stored property set: named, typed values. Keys match without regard to case and
/// are kept in lower case, in the order they were first written (the order is what a saved
/// design shows). A value read as a type it was not written as is an error, never a silent 0.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "glossbutton/render/Image.h"
#include "glossbutton/render/Numbers.h"

namespace gloss {

/// A value read as a type it was not written as.
class PropertyTypeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// The host's stored property set, which a control reads its saved values from and writes them
/// to (see the file's description).
class PropertyBag {
 public:
  /// The type a value was written as.
  enum class Type { Int32, Boolean, Text, Font, Picture };
  /// Booleans are stored as the control keeps them: -1 or 0.
  using Value = std::variant<std::int32_t, VBool, std::string, Font, PicturePtr>;

  /// Reads: the stored value, or defaultValue when the key is missing; PropertyTypeError when it
  /// was written as another type.
  ///@{
  std::int32_t ReadInt32(std::string_view key, std::int32_t defaultValue) const;
  bool ReadBoolean(std::string_view key, bool defaultValue) const;
  Font ReadFont(std::string_view key, const Font& defaultValue) const;
  PicturePtr ReadPicture(std::string_view key, const PicturePtr& defaultValue) const;
  ///@}
  /// Reads text; numbers and Booleans are converted to text ("12", "True"), fonts and pictures
  /// are not.
  std::string ReadText(std::string_view key, const std::string& defaultValue) const;

  /// Writes with a default leave the key out (and drop an older entry) when the value equals
  /// the default; writes without a default always store. Pictures are equal when they are the
  /// same object.
  ///@{
  void WriteInt32(std::string_view key, std::int32_t value);
  void WriteInt32(std::string_view key, std::int32_t value, std::int32_t defaultValue);
  void WriteBoolean(std::string_view key, bool value);
  void WriteBoolean(std::string_view key, bool value, bool defaultValue);
  void WriteText(std::string_view key, const std::string& value);
  void WriteText(std::string_view key, const std::string& value, const std::string& defaultValue);
  void WriteFont(std::string_view key, const Font& value);
  void WriteFont(std::string_view key, const Font& value, const Font& defaultValue);
  void WritePicture(std::string_view key, const PicturePtr& value);
  void WritePicture(std::string_view key, const PicturePtr& value, const PicturePtr& defaultValue);
  ///@}

  bool Contains(std::string_view key) const;             ///< Whether key is stored.
  Type TypeOf(std::string_view key) const;               ///< Throws std::out_of_range when missing.
  void Remove(std::string_view key);                     ///< Forgets key, if stored.
  void Clear() { m_Entries.clear(); }                    ///< Forgets every key.
  std::size_t Size() const { return m_Entries.size(); }  ///< The number of keys stored.
  /// Stored keys, lower case, in writing order.
  std::vector<std::string> Keys() const;

  static std::string LowerKey(std::string_view key);  ///< key as it is stored.
  static const char* TypeName(Type type);             ///< The type in words ("32-bit integer", "text"), for messages.

 private:
  struct Entry {
    std::string key;  // lower case
    Value value;
  };
  const Entry* Find(std::string_view key) const;
  void Store(std::string_view key, Value value);
  [[noreturn]] static void ThrowWrongType(std::string_view key, const Value& stored, Type expected);

  std::vector<Entry> m_Entries;
};

}  // namespace gloss
