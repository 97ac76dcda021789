// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The parts file: what it keeps comes back unchanged, and what is not one is refused.
#include "engine/parts.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "engine/runtimeerror.h"

namespace {

using parts::Library;

const Library kWorkshop{
    {{"600 毫米轮圈", "600"}, {"引号\"和\\反斜杠\n换行", "６０１.5"}, {"🚲", ""}},
    {{"后花鼓", "32", "2.6", {{{"45", "35"}, {"45", "18"}}}}, {"前", "", "", {}}}};

TEST(PartsFile, KeepsEveryTextAsTyped) {
  EXPECT_EQ(parts::libraryFromText(parts::libraryText(kWorkshop)), kWorkshop);
  EXPECT_EQ(parts::libraryFromText(parts::libraryText({})), Library{});
}

struct Accepted {
  const char* name;
  const char* text;
  Library library;
};
void PrintTo(const Accepted& c, std::ostream* os) { *os << c.name; }
class AcceptedFile : public testing::TestWithParam<Accepted> {};

TEST_P(AcceptedFile, GivesItsLibrary) {
  EXPECT_EQ(parts::libraryFromText(GetParam().text), GetParam().library);
}

INSTANTIATE_TEST_SUITE_P(
    Files, AcceptedFile,
    testing::Values(
        Accepted{"MembersInAnyOrderAndBlanks",
                 " {\"hubs\":[] ,\r\n\t\"rims\" : [ {\"effectiveRimDiameter\":\"600\",\"name\":"
                 "\"A\"} ], \"version\":1,\"format\":\"spokelength-parts\"} ",
                 {{{"A", "600"}}, {}}},
        Accepted{"EscapedCharacters",
                 R"({"format":"spokelength-parts","version":1,"rims":[{"name":"\u8f6e\/\ud83d)"
                 R"(\udeb2","effectiveRimDiameter":"\t"}],"hubs":[]})",
                 {{{"轮/🚲", "\t"}}, {}}}),
    [](const auto& info) { return std::string(info.param.name); });

class RefusedFile : public testing::TestWithParam<std::pair<const char*, std::string>> {};

TEST_P(RefusedFile, RaisesNotAPartsFile) {
  try {
    parts::libraryFromText(GetParam().second);
    FAIL() << "accepted";
  } catch (const runtime::RuntimeError& error) {
    EXPECT_EQ(error.number(), runtime::ErrorNumber::BadFileFormat);
    EXPECT_EQ(error.message(), "这个文件不是轮圈和花鼓文件，或者已经损坏：没有导入任何内容。");
  }
}

// A good file with `from` replaced by `to`.
std::string damaged(const std::string& from, const std::string& to) {
  std::string text = parts::libraryText(kWorkshop);
  return text.replace(text.find(from), from.size(), to);
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedFile,
    testing::Values(
        std::pair{"Empty", std::string()}, std::pair{"NotJson", std::string("rims: 600")},
        std::pair{"EmptyObject", std::string("{}")},
        std::pair{"AnotherFormat", damaged("spokelength-parts", "spreadsheet")},
        std::pair{"LaterVersion", damaged("\"version\": 1", "\"version\": 2")},
        std::pair{"VersionAsText", damaged("\"version\": 1", "\"version\": \"1\"")},
        std::pair{"ExtraMember", damaged("\"version\": 1", "\"version\": 1, \"x\": 1")},
        std::pair{"RepeatedMember", damaged("\"version\": 1", "\"version\": 1, \"version\": 1")},
        std::pair{"MissingMember", damaged("\"centreOffset\": \"18\"", "\"x\": \"18\"")},
        std::pair{"NumberForAText", damaged("\"spokeCount\": \"32\"", "\"spokeCount\": 32")},
        std::pair{"EmptyName", damaged("\"name\": \"前\"", "\"name\": \"\"")},
        std::pair{"RepeatedName", damaged("\"name\": \"前\"", "\"name\": \"后花鼓\"")},
        std::pair{"Cut", parts::libraryText(kWorkshop).substr(0, 200)},
        std::pair{"CutInsideAText", std::string("{\"format\": \"spokelength-pa")},
        std::pair{"AfterTheEnd", parts::libraryText(kWorkshop) + "{}"},
        std::pair{"RawControlCharacter", damaged("\"600\"", "\"6\x01\"")},
        std::pair{"BadUtf8", damaged("\"600\"", "\"6\xff\"")},
        std::pair{"LoneSurrogate", damaged("\"600\"", "\"\\ud83d\"")},
        std::pair{"UnknownEscape", damaged("\"600\"", "\"\\x41\"")},
        std::pair{"DeepNesting", std::string(100000, '[')},
        std::pair{"ArrayForObject", std::string("[1, 2]")}),
    [](const auto& info) { return std::string(info.param.first); });

TEST(PartsFile, MergeReplacesByNameAndAddsTheRest) {
  Library library{{{"A", "600"}, {"B", "590"}}, {}};
  parts::merge(library, {{{"B", "591"}, {"C", "622"}}, {{"H", "32", "2.6", {}}}});
  EXPECT_EQ(library,
            (Library{{{"A", "600"}, {"B", "591"}, {"C", "622"}}, {{"H", "32", "2.6", {}}}}));
}

}  // namespace
