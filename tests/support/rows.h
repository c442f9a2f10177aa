#pragma once
// One data row of a table-driven test, written as one call: addRow("name", a, b, c).

#include <QTest>

namespace quillora::test {

template <typename... Values> void addRow(const char *name, const Values &...values)
{
    (QTest::newRow(name) << ... << values);
}

} // namespace quillora::test
