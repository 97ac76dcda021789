// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The parts file: written and read by the engine, so that the page and the desktop keep one
// format and refuse the same files.
#include "engine/parts.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "engine/runtimeerror.h"
#include "engine/utf8.h"

namespace parts {
namespace {

[[noreturn]] void refuse() { runtime::raise(runtime::messages::kNotAPartsFile); }

// A JSON value, as far as the file needs one: objects keep their members in order.
struct Value {
  enum class Kind { Literal, Number, String, Array, Object };
  Kind kind = Kind::Literal;
  std::string text;  // a string's contents, a number's or a literal's spelling
  std::vector<std::string> keys;
  std::vector<Value> items;  // an array's items, an object's values
};

// Reads one JSON text (RFC 8259), refusing anything else. Nesting is limited, so that a
// damaged file cannot exhaust the stack.
class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  Value document() {
    Value value = this->value(0);
    skipBlanks();
    if (pos_ != text_.size()) refuse();
    return value;
  }

 private:
  static constexpr int kDeepest = 16;

  void skipBlanks() {
    while (pos_ < text_.size() && std::string_view(" \t\n\r").find(text_[pos_]) != npos) ++pos_;
  }
  bool take(char c) {
    skipBlanks();
    if (pos_ < text_.size() && text_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }
  void expect(char c) {
    if (!take(c)) refuse();
  }

  Value value(int depth) {
    if (depth > kDeepest) refuse();
    skipBlanks();
    if (pos_ == text_.size()) refuse();
    switch (text_[pos_]) {
      case '{':
        return object(depth);
      case '[':
        return array(depth);
      case '"':
        return {Value::Kind::String, string(), {}, {}};
      default:
        return scalar();
    }
  }

  Value object(int depth) {
    Value object{Value::Kind::Object, {}, {}, {}};
    expect('{');
    if (take('}')) return object;
    do {
      skipBlanks();
      object.keys.push_back(string());
      expect(':');
      object.items.push_back(value(depth + 1));
    } while (take(','));
    expect('}');
    return object;
  }

  Value array(int depth) {
    Value array{Value::Kind::Array, {}, {}, {}};
    expect('[');
    if (take(']')) return array;
    do array.items.push_back(value(depth + 1));
    while (take(','));
    expect(']');
    return array;
  }

  // A literal or a number, by its spelling; only the version's integer is ever read from one.
  Value scalar() {
    const std::size_t start = pos_;
    while (pos_ < text_.size() &&
           std::string_view("+-.0123456789eEfalsetrun").find(text_[pos_]) != npos)
      ++pos_;
    const std::string spelling(text_.substr(start, pos_ - start));
    if (spelling == "true" || spelling == "false" || spelling == "null")
      return {Value::Kind::Literal, spelling, {}, {}};
    if (spelling.empty() || spelling.find_first_not_of("+-.0123456789eE") != npos) refuse();
    return {Value::Kind::Number, spelling, {}, {}};
  }

  char32_t hexQuad() {
    if (text_.size() - pos_ < 4) refuse();
    char32_t code = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = text_[pos_++];
      const auto digit = std::string_view("0123456789abcdef")
                             .find(static_cast<char>(c >= 'A' && c <= 'F' ? c - 'A' + 'a' : c));
      if (digit == npos) refuse();
      code = code * 16 + static_cast<char32_t>(digit);
    }
    return code;
  }

  char32_t escaped() {
    if (pos_ == text_.size()) refuse();
    const char c = text_[pos_++];
    const std::string_view plain = "\"\\/bfnrt", meant = "\"\\/\b\f\n\r\t";
    if (const std::size_t at = plain.find(c); at != npos) return static_cast<char32_t>(meant[at]);
    if (c != 'u') refuse();
    const char32_t code = hexQuad();
    if (code >= 0xDC00 && code <= 0xDFFF) refuse();  // a low surrogate alone
    if (code < 0xD800 || code > 0xDBFF) return code;
    if (text_.substr(pos_, 2) != "\\u") refuse();
    pos_ += 2;
    const char32_t low = hexQuad();
    if (low < 0xDC00 || low > 0xDFFF) refuse();
    return 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
  }

  std::string string() {
    if (pos_ == text_.size() || text_[pos_] != '"') refuse();
    ++pos_;
    std::string contents;
    while (true) {
      if (pos_ == text_.size()) refuse();  // the file ends inside the string
      const auto decoded = runtime::utf8::decodedAt(text_, pos_);
      if (!decoded || decoded->character < 0x20) refuse();  // bad UTF-8, an unescaped control
      pos_ += decoded->length;
      if (decoded->character == '"') return contents;
      runtime::utf8::append(contents, decoded->character == '\\' ? escaped() : decoded->character);
    }
  }

  static constexpr std::size_t npos = std::string_view::npos;
  std::string_view text_;
  std::size_t pos_ = 0;
};

// An object's members, each exactly once, and no other.
std::vector<const Value*> members(const Value& object,
                                  std::initializer_list<std::string_view> names) {
  if (object.kind != Value::Kind::Object || object.keys.size() != names.size()) refuse();
  std::vector<const Value*> found;
  for (const std::string_view name : names) {
    const auto at = std::find(object.keys.begin(), object.keys.end(), name);
    if (at == object.keys.end()) refuse();
    found.push_back(&object.items[static_cast<std::size_t>(at - object.keys.begin())]);
  }
  return found;
}

const std::string& text(const Value* value) {
  if (value->kind != Value::Kind::String) refuse();
  return value->text;
}

const std::string& name(const Value* value) {
  const std::string& name = text(value);
  if (name.empty()) refuse();
  return name;
}

const std::vector<Value>& items(const Value* value) {
  if (value->kind != Value::Kind::Array) refuse();
  return value->items;
}

Flange flangeOf(const Value* value) {
  const auto m = members(*value, {"flangeDiameter", "centreOffset"});
  return {text(m[0]), text(m[1])};
}

template <typename Entry>
void refuseRepeatedNames(const std::vector<Entry>& entries) {
  std::set<std::string_view> names;
  for (const Entry& entry : entries)
    if (!names.insert(entry.name).second) refuse();
}

// A JSON string: quotes, backslashes and control characters escaped, the rest as UTF-8.
void appendQuoted(std::string& out, std::string_view value) {
  out += '"';
  for (const char c : value) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
      out += escape;
    } else {
      out += c;
    }
  }
  out += '"';
}

void appendMember(std::string& out, std::string_view key, std::string_view value) {
  appendQuoted(out, key);
  out += ": ";
  appendQuoted(out, value);
}

template <typename Entry>
void mergeList(std::vector<Entry>& into, const std::vector<Entry>& added) {
  for (const Entry& entry : added) {
    const auto same = std::find_if(into.begin(), into.end(),
                                   [&](const Entry& kept) { return kept.name == entry.name; });
    if (same == into.end())
      into.push_back(entry);
    else
      *same = entry;
  }
}

}  // namespace

std::string libraryText(const Library& library) {
  std::string out = "{\"format\": ";
  appendQuoted(out, kFormat);
  out += ", \"version\": " + std::to_string(kVersion) + ",\n \"rims\": [";
  for (const Rim& rim : library.rims) {
    out += &rim == library.rims.data() ? "\n  {" : ",\n  {";
    appendMember(out, "name", rim.name);
    out += ", ";
    appendMember(out, "effectiveRimDiameter", rim.effectiveRimDiameter);
    out += '}';
  }
  out += "],\n \"hubs\": [";
  for (const Hub& hub : library.hubs) {
    out += &hub == library.hubs.data() ? "\n  {" : ",\n  {";
    appendMember(out, "name", hub.name);
    out += ", ";
    appendMember(out, "spokeCount", hub.spokeCount);
    out += ", ";
    appendMember(out, "spokeHoleDiameter", hub.spokeHoleDiameter);
    for (std::size_t side = 0; side < hub.sides.size(); ++side) {
      out += side == 0 ? ",\n   \"left\": {" : ",\n   \"right\": {";
      appendMember(out, "flangeDiameter", hub.sides[side].flangeDiameter);
      out += ", ";
      appendMember(out, "centreOffset", hub.sides[side].centreOffset);
      out += '}';
    }
    out += '}';
  }
  out += "]}\n";
  return out;
}

Library libraryFromText(std::string_view text) {
  const Value document = Reader(text).document();
  const auto m = members(document, {"format", "version", "rims", "hubs"});
  if (parts::text(m[0]) != kFormat) refuse();
  if (m[1]->kind != Value::Kind::Number || m[1]->text != std::to_string(kVersion)) refuse();
  Library library;
  for (const Value& rim : items(m[2])) {
    const auto r = members(rim, {"name", "effectiveRimDiameter"});
    library.rims.push_back({name(r[0]), parts::text(r[1])});
  }
  for (const Value& hub : items(m[3])) {
    const auto h = members(hub, {"name", "spokeCount", "spokeHoleDiameter", "left", "right"});
    library.hubs.push_back(
        {name(h[0]), parts::text(h[1]), parts::text(h[2]), {flangeOf(h[3]), flangeOf(h[4])}});
  }
  refuseRepeatedNames(library.rims);
  refuseRepeatedNames(library.hubs);
  return library;
}

void merge(Library& library, const Library& added) {
  mergeList(library.rims, added.rims);
  mergeList(library.hubs, added.hubs);
}

}  // namespace parts
