#pragma once

namespace Tabulon {

// The three delimited text files the "Farklı Kaydet" menu writes.
enum class DelimitedFormat {
    Csv,        // rows only, "," after every field, commas inside fields become points
    CommaText,  // a title line, then rows, "," after every field
    TabText,    // a title line, then rows, TAB after every field
};

}  // namespace Tabulon
