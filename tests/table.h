#pragma once

#include <QTest>

#include <concepts>

// A test function's data table: its columns typed and named once, each row a
// call whose values take those types, so that "cat" fills a text column and
// {"cat", "dog"} a list of texts.
//
//     const Table<QString, bool> table("typed", "right");
//     table.row("a plain beginning", "ca", true);
template <typename... Types> class Table {
public:
    explicit Table(std::convertible_to<const char*> auto... names) {
        static_assert(sizeof...(names) == sizeof...(Types), "one name for each column");
        (QTest::addColumn<Types>(names), ...);
    }
    void row(const char* name, const Types&... values) const { (QTest::newRow(name) << ... << values); }
};
