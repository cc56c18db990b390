#include "jvdata/CodeTable.h"

#include "jvdata/Cp932.h"
#include "jvdata/RecordView.h"

#include <algorithm>
#include <stdexcept>

namespace zefa {
namespace {

// Appends `fill` as often as it fits into `width` bytes.
std::string filledUp(std::string label, size_t width, const std::string& fill) {
    while (!fill.empty() && label.size() + fill.size() <= width) label += fill;
    return label;
}

} // namespace

CodeTable::CodeTable(std::span<const CodeColumn> columns) {
    for (const CodeColumn& column : columns) {
        std::string fill = toCp932(column.fill);
        std::string fallback = filledUp(toCp932(column.fallback), column.width, fill);
        columns_.push_back({std::move(fallback), column.width, std::move(fill)});
    }
}

void CodeTable::addRow(std::string_view code, std::span<const std::string_view> labels) {
    rowOfCode_.emplace(toCp932(code), labels_.size() / columns_.size());
    for (size_t i = 0; i < columns_.size(); ++i)
        labels_.push_back(filledUp(toCp932(labels[i]), columns_[i].width, columns_[i].fill));
}

const std::string& CodeTable::label(std::string_view code, size_t column) const {
    const Column& chosen = columns_.at(column);
    const auto found = rowOfCode_.find(code);
    return found == rowOfCode_.end() ? chosen.fallback : labels_[found->second * columns_.size() + column];
}

const std::string& CodeTable::labelOfNumber(std::string_view field, size_t column) const {
    return label(std::to_string(fieldNumber(field)), column);
}

size_t formColumn(std::span<const int> forms, int form) {
    const auto found = std::ranges::find(forms, form);
    if (found == forms.end()) throw std::invalid_argument("code table has no form " + std::to_string(form));
    return size_t(found - forms.begin());
}

} // namespace zefa
