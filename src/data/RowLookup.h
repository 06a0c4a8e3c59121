#pragma once

#include <optional>

// The result of reading one row: no row when there is none, readFailed (with
// the failure kept by the connection) when the store failed.
template <class Row>
struct RowLookup {
    bool readFailed = false;
    std::optional<Row> row;
};
