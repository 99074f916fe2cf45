#ifndef FORESTA_EXAMPLES_DISTRIBUTION_DESCRIPTION_H_
#define FORESTA_EXAMPLES_DISTRIBUTION_DESCRIPTION_H_

#include <string>

namespace foresta {

// The comment section that explains the user-distribution layout, up to and
// including its closing star line. `exampleName` is the shifter kind named
// in its example line ("2N1C", "3N1C", "4N1C").
std::string UserDistributionDescription(const std::string& exampleName);

// Writes the description with the 2N1C example (6 neurons, 9 configurations)
// to `file`. Returns kExampleWritten or kExampleCannotCreate.
int WriteDefaultUserDistribution(const std::string& file);

}  // namespace foresta

#endif  // FORESTA_EXAMPLES_DISTRIBUTION_DESCRIPTION_H_
