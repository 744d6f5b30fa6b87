#pragma once

#include <vector>

namespace zelt::server {

// A view of the company database: a name and the SELECT that defines it, in
// SQL both engines accept. Views are created after every table and dropped
// before the tables they read change.
struct ViewDef {
    const char* name;
    const char* selectSql;
};

const std::vector<ViewDef>& companyViews();

} // namespace zelt::server
