#ifndef FORESTA_INTERCHANGE_DATE_TEXT_H_
#define FORESTA_INTERCHANGE_DATE_TEXT_H_

#include <string_view>

namespace foresta {

// True for a calendar date: ISO (2024-03-31, 2024/03/31, 2024-03, optionally
// followed by a time after 'T' or a blank) or day, month and year separated
// by '/', '.' or '-' (31/03/2024, 31.03.24). Month-first dates (03/31/2024)
// pass too: the date column is only recorded, never interpreted.
bool IsDateText(std::string_view text);

// The year when `text` is a whole number from 1000 to 2999, else 0.
int WholeYear(std::string_view text);

}  // namespace foresta

#endif  // FORESTA_INTERCHANGE_DATE_TEXT_H_
