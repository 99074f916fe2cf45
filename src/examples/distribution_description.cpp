#include "examples/distribution_description.h"

namespace foresta {

std::string UserDistributionDescription(const std::string& exampleName) {
  std::string text =
      "*\n\n"
      "User Distribution Data File \n"
      "Format:                      \n"
      "1. Comment Section;             \n"
      "2. M N                             \n"
      "3. User Distribution data             \n";
  text.append(41, ' ');
  text +=
      "\n"
      "Explanation:                      \n"
      "M -- the number of output neurons,   \n"
      "\t\tit must agree with the recognition data. \n"
      "N -- the number of configurations,        \n"
      "      Any thing after N will be ignored      \n";
  text.append(47, ' ');
  text += "\nExample: " + exampleName +
          " Shifter User Distribution           \n"
          "*                                                    \n";
  return text;
}

}  // namespace foresta
