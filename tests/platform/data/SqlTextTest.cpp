#include "DataTestSupport.h"

#include "platform/data/SqlText.h"

using namespace Qt::StringLiterals;

namespace zelt::data {
namespace {

struct ParseCase {
    const char* what;
    QString sql;
    QString positional;
    QStringList names;
};

class ParseNamedParams : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseNamedParams, TurnsNamesIntoPlaceholdersOutsideQuotesAndComments) {
    const ParseCase& c = GetParam();
    const ParsedSql parsed = parseNamedParams(c.sql);
    EXPECT_EQ(parsed.positional, c.positional);
    EXPECT_EQ(parsed.names, c.names);
}

INSTANTIATE_TEST_SUITE_P(
    SqlText, ParseNamedParams,
    ::testing::Values(
        ParseCase{"plain",
                  u"SELECT * FROM PoHd WHERE PoNo = :PoNo"_s,
                  u"SELECT * FROM PoHd WHERE PoNo = ?"_s,
                  {u"PoNo"_s}},
        ParseCase{
            "name used twice", u"WHERE a = :x OR b = :x"_s, u"WHERE a = ? OR b = ?"_s, {u"x"_s, u"x"_s}},
        ParseCase{"in a literal", u"SELECT ':Code', :Code"_s, u"SELECT ':Code', ?"_s, {u"Code"_s}},
        ParseCase{
            "doubled quote in a literal", u"SELECT 'it''s :a', :b"_s, u"SELECT 'it''s :a', ?"_s, {u"b"_s}},
        ParseCase{"time literal", u"WHERE t > '10:30:00'"_s, u"WHERE t > '10:30:00'"_s, {}},
        ParseCase{"quoted name",
                  u"SELECT \"a:b\" FROM t WHERE c = :c"_s,
                  u"SELECT \"a:b\" FROM t WHERE c = ?"_s,
                  {u"c"_s}},
        ParseCase{"line comment",
                  u"SELECT 1 -- :no\nWHERE a = :yes"_s,
                  u"SELECT 1 -- :no\nWHERE a = ?"_s,
                  {u"yes"_s}},
        ParseCase{"block comment", u"/* :no */ SELECT :yes"_s, u"/* :no */ SELECT ?"_s, {u"yes"_s}},
        ParseCase{"quote inside a comment", u"-- don't\nSELECT :a"_s, u"-- don't\nSELECT ?"_s, {u"a"_s}},
        ParseCase{"cast", u"SELECT :a::integer"_s, u"SELECT ?::integer"_s, {u"a"_s}},
        ParseCase{"name ends at a bracket", u"VALUES (:a,:b_2)"_s, u"VALUES (?,?)"_s, {u"a"_s, u"b_2"_s}},
        ParseCase{"Thai name", u"WHERE n = :ชื่อ"_s, u"WHERE n = ?"_s, {u"ชื่อ"_s}},
        ParseCase{"colon before a digit", u"SELECT a[1:2]"_s, u"SELECT a[1:2]"_s, {}},
        ParseCase{"unterminated literal", u"SELECT 'abc :x"_s, u"SELECT 'abc :x"_s, {}}),
    [](const ::testing::TestParamInfo<ParseCase>& p) {
        std::string n = p.param.what;
        for (char& ch : n)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return n;
    });

TEST(SqlText, DistinctNamesIgnoreCaseAndKeepFirstUse) {
    EXPECT_EQ(distinctParamNames(u"WHERE a = :Code OR b = :CODE OR c = :Name"_s),
              (QStringList{u"Code"_s, u"Name"_s}));
}

struct ScriptCase {
    const char* what;
    QStringList lines;
    QStringList statements;
};

TEST(SqlText, SplitsScriptsOnLinesHoldingOnlyASlash) {
    const ScriptCase cases[] = {
        {"one statement", {u"SELECT 1"_s}, {u"SELECT 1"_s}},
        {"two statements",
         {u"CREATE TABLE a (x INT)"_s, u"/"_s, u"INSERT INTO a VALUES (1)"_s},
         {u"CREATE TABLE a (x INT)"_s, u"INSERT INTO a VALUES (1)"_s}},
        {"slash with blanks, empty pieces dropped",
         {u"/"_s, u"SELECT 1"_s, u"  /  "_s, u"/"_s, u""_s},
         {u"SELECT 1"_s}},
        {"division is not a separator",
         {u"SELECT 4 / 2"_s, u"  FROM t"_s, u"/"_s},
         {u"SELECT 4 / 2\n  FROM t"_s}},
        {"carriage return left by a Windows file",
         {u"SELECT 1"_s, u"/\r"_s, u"SELECT 2"_s},
         {u"SELECT 1"_s, u"SELECT 2"_s}},
    };
    for (const ScriptCase& c : cases)
        EXPECT_EQ(splitScript(c.lines), c.statements) << c.what;
}

} // namespace
} // namespace zelt::data
