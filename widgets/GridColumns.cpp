#include "widgets/GridColumns.h"

#include <algorithm>

namespace widgets {

int GridColumns::Add(GridColumn column) {
    columns_.push_back(std::move(column));
    const int index = Count() - 1;
    order_.push_back(index);
    SetWidth(index, columns_.back().width);
    return index;
}

int GridColumns::SetWidth(int column, int width) {
    GridColumn& c = columns_[Slot(column)];
    if (c.maxWidth > 0) width = std::min(width, c.maxWidth);
    width = std::max(width, c.minWidth);
    c.width = std::max(width, 0);
    return c.width;
}

std::vector<int> GridColumns::VisibleOrder() const {
    std::vector<int> visible;
    for (int column : order_) {
        if (Visible(column)) visible.push_back(column);
    }
    return visible;
}

void GridColumns::Move(int column, int place) {
    auto it = std::find(order_.begin(), order_.end(), column);
    if (it == order_.end()) return;
    const int from = static_cast<int>(it - order_.begin());
    order_.erase(it);
    if (place > from) --place;
    place = std::clamp(place, 0, static_cast<int>(order_.size()));
    order_.insert(order_.begin() + place, column);
}

int GridColumns::TotalWidth() const {
    int total = 0;
    for (int column : order_) {
        if (Visible(column)) total += (*this)[column].width;
    }
    return total;
}

int GridColumns::Left(int column) const {
    if (!Visible(column)) return -1;
    int x = 0;
    for (int c : order_) {
        if (c == column) return x;
        if (Visible(c)) x += (*this)[c].width;
    }
    return -1;
}

int GridColumns::ColumnAt(int x) const {
    int left = 0;
    for (int column : order_) {
        if (!Visible(column)) continue;
        const int right = left + (*this)[column].width;
        if (x >= left && x < right) return column;
        left = right;
    }
    return -1;
}

int GridColumns::DividerAt(int x, int tolerance) const {
    int right = 0, found = -1;
    for (int column : order_) {
        if (!Visible(column)) continue;
        right += (*this)[column].width;
        const bool resizable = ((*this)[column].options & kColumnResizable) != 0;
        // The last divider within reach wins, so a column of width 0 can be widened again.
        if (resizable && x >= right - tolerance && x <= right + tolerance) found = column;
    }
    return found;
}

int GridColumns::DropPlaceAt(int x) const {
    int left = 0;
    for (size_t place = 0; place < order_.size(); ++place) {
        const int column = order_[place];
        if (!Visible(column)) continue;
        const int width = (*this)[column].width;
        if (x < left + width / 2) return static_cast<int>(place);
        left += width;
    }
    return static_cast<int>(order_.size());
}

}  // namespace widgets
