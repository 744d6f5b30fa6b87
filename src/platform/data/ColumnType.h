#pragma once

namespace zelt::data {

// The portable column types of our schema. Each engine's dialect turns them
// into its own DDL (see Dialect::typeSql).
enum class ColType {
    Id,       // integer identity, the table's primary key, generated on insert
    Int,      // 32-bit integer
    BigInt,   // 64-bit integer
    Num,      // exact decimal with 6 decimals: amounts, quantities, prices, rates
    Float,    // binary floating point, for values the original kept as float
    Text,     // text of at most `size` characters, compared without regard to case
    Memo,     // text without a length limit, compared without regard to case
    Flag,     // one-character flag text ("Y" means set)
    Date,     // calendar date
    DateTime, // date and time to the millisecond
    Blob,     // bytes (pictures, report files)
};

} // namespace zelt::data
