#include "examples/distribution_description.h"

#include "examples/example_file.h"

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

int WriteDefaultUserDistribution(const std::string& file) {
  ExampleFile out(file);
  if (!out.is_open()) return kExampleCannotCreate;
  out.Write(UserDistributionDescription("2N1C"));
  out.Write("6 9                                                     \n");
  for (const char* row : {"100100", "100010", "100001", "010100", "010010",
                          "010001", "001100", "001010", "001001"}) {
    out.Write(row);
    out.Write("          \n");
  }
  return out.Close() ? kExampleWritten : kExampleCannotCreate;
}

}  // namespace foresta
