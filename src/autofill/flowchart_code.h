#pragma once
// The flowchart code over the profile fields: two-digit field numbers, "%T" ending a step, and
// "%U", "%L", "%R", "%D" with a two-digit count. Reading it into key steps, and the small
// conversions the recorder and the editor share.
//
//   translate_code(form1, "0102%T%U03%T")  // {"", Text(1)+Text(2)}, {"{UP 3}", ""}

#include <string>
#include <string_view>
#include <vector>

#include "autofill/sending.h"
#include "ui/form1.h"

namespace velmora::autofill {

// "0" then the number, last two characters: 4 gives "04", 14 gives "14".
std::string two_digit_field(int n);
// "00" then the count box's text unchanged, last two characters: "3" gives "03", "" gives "00".
std::string two_digit_count(std::string_view box);

// A token read as a field number with the leading-number parse, rounded; -1 when no field 0 to 64.
int field_number(std::string_view token);
// The text of profile field n; the empty text when there is no such field.
std::string field_text(const ui::Form1& form, int n);
// Whether n is one of the separator fields 04, 09, ..., 64.
bool is_separator_field(int n);

// "U", "L", "R" or "D".
bool is_direction(std::string_view letter);
// 上, 左, 右 or 下 for U, L, R, D.
std::string direction_char(std::string_view letter);
// The key name of an arrow group: "UP", "LEFT", "RIGHT", "DOWN".
std::string direction_key(std::string_view letter);

// The joined texts of the fields named by the digit pairs (a pair that names no field adds nothing).
std::string AddList4a(const ui::Form1& form, std::string_view digits);

// The steps a code types, in order; whatever follows the last "%T" is not a step.
std::vector<KeyStep> translate_code(const ui::Form1& form, std::string_view code);

}  // namespace velmora::autofill
