#pragma once

#include <array>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace zefa {

// One row of a code table as the source writes it: the code and one label per column, in UTF-8.
template <size_t Columns>
struct CodeRow {
    std::string_view code;
    std::array<std::string_view, Columns> labels;
};

// One column (label set, "form") of a code table.
struct CodeColumn {
    std::string_view fallback{}; // label of a code the table does not list (UTF-8)
    size_t width = 0;            // labels are filled up to this many CP932 bytes; 0 leaves them as written
    std::string_view fill = " "; // what they are filled with: a blank or kFullWidthBlank (UTF-8)
};

// A code table whose codes and labels are converted to CP932 once, when it is built. Every code
// table of the program looks its codes up through this type.
class CodeTable {
public:
    template <size_t Columns>
    CodeTable(std::type_identity_t<std::span<const CodeRow<Columns>>> rows, const CodeColumn (&columns)[Columns])
        : CodeTable(std::span<const CodeColumn>(columns)) {
        for (const auto& row : rows) addRow(row.code, row.labels);
    }

    // The label of the code in `column`, matched exactly (" 1" is not "1"), or the column's fallback.
    const std::string& label(std::string_view code, size_t column = 0) const;

    // The label of a numeric field, matched by its number (fieldNumber): "05", " 5" and "5" find "5".
    const std::string& labelOfNumber(std::string_view field, size_t column = 0) const;

private:
    struct Column {
        std::string fallback;
        size_t width;
        std::string fill;
    };

    explicit CodeTable(std::span<const CodeColumn> columns);
    void addRow(std::string_view code, std::span<const std::string_view> labels);

    std::vector<Column> columns_;
    std::vector<std::string> labels_; // row after row, one label per column
    std::map<std::string, size_t, std::less<>> rowOfCode_;
};

// The column of `form` in a table whose columns hold `forms` in this order. A form the table does
// not have is a programming error and throws std::invalid_argument.
size_t formColumn(std::span<const int> forms, int form);

} // namespace zefa
