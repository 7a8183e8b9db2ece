#include <gtest/gtest.h>

#include <regex>

#include "tasks/SelectShape.h"

namespace torvalet {
namespace {

// The shape as regular expressions state it; the scanner must agree with them on every statement.
std::optional<WritableSelect> byExpression(const std::string& sql) {
    static const std::regex select(R"(^\s*select\s+([^(]*?)\s+from\s+(\w+)(?=\s*$|\s+(where|order)\b))",
                                   std::regex::icase);
    static const std::regex distinct(R"(^(distinct|all)\b)", std::regex::icase);
    std::smatch match;
    if (!std::regex_search(sql, match, select) || std::regex_search(match[1].str(), distinct)) return std::nullopt;
    return WritableSelect{match[1], match[2], match.suffix()};
}

TEST(SelectShape, AgreesWithTheExpressionsOnStatementsOfEveryShape) {
    const char* statements[] = {
        "select Task, Project from tasks order by Task",
        "  SELECT * FROM tasks WHERE TypeKey <> '7' ORDER BY Date, Time",
        "select Date as Day, Task from tasks order by Day",
        "select\tTask\nfrom\ttasks\n",
        "select Task from tasks where(Date > 1)",
        "select Task from tasks group by Task",
        "select Task from tasks, clipbrd",
        "select Task from tasks join clipbrd on 1",
        "select count(*) from tasks",
        "select Task from (select * from tasks)",
        "select distinct Task from tasks",
        "select all Task from tasks",
        "select distinctive from tasks",
        "select allowed, Task from tasks",
        "select Task from tasks wherever",
        "select Task from tasks orderly",
        "select Task from tasks limit 3",
        "select from_date from tasks",
        "select x from from from tasks",
        "select a from b from c where d",
        "select  from tasks",
        "select from tasks",
        "select   from   tasks   ",
        "select Task from",
        "select Task fromtasks",
        "selectTask from tasks",
        "update tasks set Task = ''",
        "",
        "select",
        "select Task from tasks_2 where",
        "select Task from tasks\twhere\tx",
        "select T\xc3\xa4sk from tasks",
        "select Task from t\xc3\xa4sks",
    };
    for (const std::string sql : statements) {
        SCOPED_TRACE(sql);
        const auto expected = byExpression(sql);
        const auto found = writableSelect(sql);
        ASSERT_EQ(found.has_value(), expected.has_value());
        if (!found) continue;
        EXPECT_EQ(found->projection, expected->projection);
        EXPECT_EQ(found->table, expected->table);
        EXPECT_EQ(found->tail, expected->tail);
    }
}

TEST(SelectShape, FindsColumnNamesOfTheListsOwn) {
    const std::regex alias(R"(\bas\b)", std::regex::icase);
    for (const std::string projection : {"Date as Day", "Date AS Day", "Date as", "as Day", "Date, Task", "Date asDay",
                                         "alias", "has, as_of", "Date\tas\tDay", ""}) {
        SCOPED_TRACE(projection);
        EXPECT_EQ(hasColumnAlias(projection), std::regex_search(projection, alias));
    }
}

}  // namespace
}  // namespace torvalet
