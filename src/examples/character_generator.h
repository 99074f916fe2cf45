#ifndef FORESTA_EXAMPLES_CHARACTER_GENERATOR_H_
#define FORESTA_EXAMPLES_CHARACTER_GENERATOR_H_

#include <string>
#include <vector>

namespace foresta {

struct WorkbenchState;

// Stored character sets: the digits 0 to 9 (and, for 5 by 7, the letter A)
// drawn in a 5-by-7 font. Each returns kExampleWritten or
// kExampleCannotCreate.

// The glyph of class `index` (0-9 digits, 10 the letter A): seven rows of
// five characters, '1' for ink.
std::vector<std::string> SmallGlyph(int index);

// 5 by 7: 11 class neurons, then 35 pixels (46 neurons). 54 training
// vectors (five drawings of each digit, four of A), 3 retraining vectors and
// 10 recognition vectors whose class is unknown.
int WriteCharacters5x7Training(const WorkbenchState& state);
int WriteCharacters5x7Retraining(const WorkbenchState& state);
int WriteCharacters5x7Recognition(const WorkbenchState& state);

// 8 by 8: 64 pixels, then 10 class neurons (74 neurons). The digits at
// different places in the frame: 59 training, 3 retraining, 13 recognition.
int WriteCharacters8x8Training(const WorkbenchState& state);
int WriteCharacters8x8Retraining(const WorkbenchState& state);
int WriteCharacters8x8Recognition(const WorkbenchState& state);

}  // namespace foresta

#endif  // FORESTA_EXAMPLES_CHARACTER_GENERATOR_H_
