#include "extract/generic/table_rows.h"

#include "extract/generic/line_title.h"

namespace velmora::extract::generic {
namespace {

struct Cell {
    std::size_t begin = 0;  // folded bytes, blanks trimmed
    std::size_t end = 0;
};

std::vector<Cell> cells_of(std::string_view s) {
    std::vector<Cell> cells;
    std::size_t start = 0;
    for (std::size_t p = 0; p <= s.size(); ++p) {
        if (p == s.size() || s[p] == '|') {
            std::size_t b = start;
            std::size_t e = p;
            while (b < e && s[b] == ' ') {
                ++b;
            }
            while (e > b && s[e - 1] == ' ') {
                --e;
            }
            cells.push_back({b, e});
            start = p + 1;
        }
    }
    return cells;
}

// The columns of a header row: each cell a label word alone (or a number column, "No."); at
// least a prize or a deadline column among them. Empty when the line is no header.
std::vector<Label> header_columns(const LineInfo& line) {
    const std::string_view s = line.text.folded;
    if (line.kind != LineKind::Text || s.find('|') == std::string_view::npos || !line.urls.empty()) {
        return {};
    }
    std::vector<Label> columns;
    bool useful = false;
    for (const Cell& cell : cells_of(s)) {
        const std::string_view text = s.substr(cell.begin, cell.end - cell.begin);
        const LabelMatch m = match_label(text, 0);
        const bool number = text.empty() || text == "No." || text == "No" || text == "#" || text == "番号";
        if (!number && m.size != text.size()) {
            return {};
        }
        columns.push_back(number ? Label::None : m.label);
        useful = useful || m.label == Label::Prize || m.label == Label::Deadline || m.label == Label::Period;
    }
    if (!useful || columns.size() < 2) {
        columns.clear();
    }
    return columns;
}

Role role_of(Label label) {
    switch (label) {
        case Label::Deadline:
            return Role::Deadline;
        case Label::Period:
            return Role::Period;
        case Label::Event:
            return Role::Event;
        default:
            return Role::None;
    }
}

void read_row(LineInfo& row, const std::vector<Label>& columns) {
    const std::vector<Cell> cells = cells_of(row.text.folded);
    for (DateHit& date : row.dates) {
        for (std::size_t c = 0; c < cells.size() && c < columns.size(); ++c) {
            if (date.begin >= cells[c].begin && date.begin < cells[c].end && date.role == Role::None) {
                date.role = role_of(columns[c]);
            }
        }
    }
    for (std::size_t c = 0; c < cells.size() && c < columns.size(); ++c) {
        if (columns[c] == Label::Prize && cells[c].end > cells[c].begin) {
            row.head.label = Label::Prize;
            row.head.body = cells[c].begin;
            row.head.body_end = cells[c].end;
            if (row.head.marker == MarkerKind::None) {
                row.head.marker = MarkerKind::PrizeLabel;
            }
            find_title(row);
        }
    }
}

}  // namespace

void read_tables(std::vector<LineInfo>& lines) {
    std::vector<Label> columns;
    for (LineInfo& line : lines) {
        if (line.kind == LineKind::Blank) {
            columns.clear();
            continue;
        }
        if (std::vector<Label> header = header_columns(line); !header.empty()) {
            columns = std::move(header);
            continue;
        }
        if (!columns.empty() && line.kind == LineKind::Text &&
            line.text.folded.find('|') != std::string::npos) {
            read_row(line, columns);
        }
    }
}

}  // namespace velmora::extract::generic
