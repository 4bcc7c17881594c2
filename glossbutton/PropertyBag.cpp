#include "glossbutton/PropertyBag.h"

#include <algorithm>
#include <cctype>

namespace gloss {

namespace {

PropertyBag::Type TypeOfValue(const PropertyBag::Value& v) { return static_cast<PropertyBag::Type>(v.index()); }

}  // namespace

std::string PropertyBag::LowerKey(std::string_view key) {
  std::string out(key);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

const char* PropertyBag::TypeName(Type type) {
  switch (type) {
    case Type::Int32: return "32-bit integer";
    case Type::Boolean: return "Boolean";
    case Type::Text: return "text";
    case Type::Font: return "font";
    case Type::Picture: return "picture";
  }
  return "unknown";
}

const PropertyBag::Entry* PropertyBag::Find(std::string_view key) const {
  const std::string lower = LowerKey(key);
  for (const Entry& e : m_Entries)
    if (e.key == lower) return &e;
  return nullptr;
}

void PropertyBag::Store(std::string_view key, Value value) {
  const std::string lower = LowerKey(key);
  for (Entry& e : m_Entries) {
    if (e.key == lower) {
      e.value = std::move(value);
      return;
    }
  }
  m_Entries.push_back(Entry{lower, std::move(value)});
}

void PropertyBag::ThrowWrongType(std::string_view key, const Value& stored, Type expected) {
  throw PropertyTypeError("Property \"" + std::string(key) + "\" holds a " + TypeName(TypeOfValue(stored)) +
                          " value where a " + TypeName(expected) + " was expected");
}

std::int32_t PropertyBag::ReadInt32(std::string_view key, std::int32_t defaultValue) const {
  const Entry* e = Find(key);
  if (!e) return defaultValue;
  if (const auto* v = std::get_if<std::int32_t>(&e->value)) return *v;
  ThrowWrongType(key, e->value, Type::Int32);
}

bool PropertyBag::ReadBoolean(std::string_view key, bool defaultValue) const {
  const Entry* e = Find(key);
  if (!e) return defaultValue;
  if (const auto* v = std::get_if<VBool>(&e->value)) return *v != VB_FALSE;
  ThrowWrongType(key, e->value, Type::Boolean);
}

std::string PropertyBag::ReadText(std::string_view key, const std::string& defaultValue) const {
  const Entry* e = Find(key);
  if (!e) return defaultValue;
  if (const auto* v = std::get_if<std::string>(&e->value)) return *v;
  if (const auto* v = std::get_if<std::int32_t>(&e->value)) return std::to_string(*v);
  if (const auto* v = std::get_if<VBool>(&e->value)) return *v != VB_FALSE ? "True" : "False";
  ThrowWrongType(key, e->value, Type::Text);
}

Font PropertyBag::ReadFont(std::string_view key, const Font& defaultValue) const {
  const Entry* e = Find(key);
  if (!e) return defaultValue;
  if (const auto* v = std::get_if<Font>(&e->value)) return *v;
  ThrowWrongType(key, e->value, Type::Font);
}

PicturePtr PropertyBag::ReadPicture(std::string_view key, const PicturePtr& defaultValue) const {
  const Entry* e = Find(key);
  if (!e) return defaultValue;
  if (const auto* v = std::get_if<PicturePtr>(&e->value)) return *v;
  ThrowWrongType(key, e->value, Type::Picture);
}

void PropertyBag::WriteInt32(std::string_view key, std::int32_t value) { Store(key, value); }
void PropertyBag::WriteInt32(std::string_view key, std::int32_t value, std::int32_t defaultValue) {
  if (value == defaultValue)
    Remove(key);
  else
    Store(key, value);
}

void PropertyBag::WriteBoolean(std::string_view key, bool value) { Store(key, ToVBool(value)); }
void PropertyBag::WriteBoolean(std::string_view key, bool value, bool defaultValue) {
  if (value == defaultValue)
    Remove(key);
  else
    Store(key, ToVBool(value));
}

void PropertyBag::WriteText(std::string_view key, const std::string& value) { Store(key, value); }
void PropertyBag::WriteText(std::string_view key, const std::string& value, const std::string& defaultValue) {
  if (value == defaultValue)
    Remove(key);
  else
    Store(key, value);
}

void PropertyBag::WriteFont(std::string_view key, const Font& value) { Store(key, value); }
void PropertyBag::WriteFont(std::string_view key, const Font& value, const Font& defaultValue) {
  if (value == defaultValue)
    Remove(key);
  else
    Store(key, value);
}

void PropertyBag::WritePicture(std::string_view key, const PicturePtr& value) { Store(key, value); }
void PropertyBag::WritePicture(std::string_view key, const PicturePtr& value, const PicturePtr& defaultValue) {
  if (value == defaultValue)
    Remove(key);
  else
    Store(key, value);
}

bool PropertyBag::Contains(std::string_view key) const { return Find(key) != nullptr; }

PropertyBag::Type PropertyBag::TypeOf(std::string_view key) const {
  const Entry* e = Find(key);
  if (!e) throw std::out_of_range("Property \"" + std::string(key) + "\" is not stored");
  return TypeOfValue(e->value);
}

void PropertyBag::Remove(std::string_view key) {
  const std::string lower = LowerKey(key);
  std::erase_if(m_Entries, [&](const Entry& e) { return e.key == lower; });
}

std::vector<std::string> PropertyBag::Keys() const {
  std::vector<std::string> keys;
  keys.reserve(m_Entries.size());
  for (const Entry& e : m_Entries) keys.push_back(e.key);
  return keys;
}

}  // namespace gloss
