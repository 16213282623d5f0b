#pragma once

#include <vector>

namespace tecladas {

/// The widths of a table's columns within `disponible`: each column's `deseados` width (its
/// text unwrapped) when they all fit; else each gets its `minimos` width (its widest word, so
/// that no word breaks) and the room left is shared in proportion to how much more each one
/// wants. When even the least widths do not fit, those are returned, for the caller to shrink
/// its type. Both lists have one width a column.
std::vector<double> repartirAnchos(const std::vector<double>& minimos, const std::vector<double>& deseados,
                                   double disponible);

} // namespace tecladas
