#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tecladas {

/// A number as Spanish spreadsheet programs read it in a CSV file: fixed `decimales` decimals,
/// a decimal comma, no grouping ("7,50", "-30,51", "1234,50").
std::string numeroCsv(double valor, int decimales);

/// One line of a CSV file for Spanish spreadsheet programs: UTF-8 fields separated by ";",
/// ended by CR LF. A field holding ";", a quote or a line break is quoted, its quotes doubled. A
/// field that a spreadsheet would take for a formula (one beginning with "=", "+", "-", "@", a tab
/// or a carriage return, other than a negative number) gets a leading apostrophe, which keeps it
/// text.
std::string lineaCsv(const std::vector<std::string>& campos);

} // namespace tecladas
