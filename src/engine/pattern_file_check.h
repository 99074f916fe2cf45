#ifndef FORESTA_ENGINE_PATTERN_FILE_CHECK_H_
#define FORESTA_ENGINE_PATTERN_FILE_CHECK_H_

#include <cstdint>
#include <string>

namespace foresta {

class CharReader;
class DistributionTable;

// Results of the four pattern-file tests. Code 5 and code 8 mean different
// things in different files, hence the several names.
constexpr int kFileOk = 0;
constexpr int kFileCannotOpen = 1;  // also: not a readable regular file
constexpr int kFileMissingComment = 2;
constexpr int kFileCommentNotClosed = 3;
constexpr int kFileNeuronsOutOfRange = 4;
constexpr int kFileNotConsistent = 5;          // retraining: N differs
constexpr int kFileTrainingNotTested = 5;      // recognition: NeuronCount is 0
constexpr int kFilePatternsOutOfRange = 5;     // distribution: bad row count
constexpr int kFileNoData = 6;
constexpr int kFileInvalidCharacter = 7;
constexpr int kFileIncompleteVector = 8;       // training, retraining
constexpr int kFileTwoUnknownSections = 8;     // recognition
constexpr int kFileNotEnoughData = 8;          // distribution
constexpr int kFileRecognitionIncomplete = 9;  // recognition

constexpr int64_t kMaxNeurons = 100000;
constexpr int64_t kMinTrainingNeurons = 20;
constexpr int64_t kMaxDistributionRows = 100000;

// Checks a training file. Writes the count it reads into *neuronCount as soon
// as it is read, whatever the outcome. Returns 0..8 (never 5).
int TestTrainingFile(const std::string& name, uint32_t* neuronCount);

// Checks a retraining file against the current neuron count. Returns 0..8.
int TestRetrainingFile(const std::string& name, uint32_t neuronCount);

// Checks a recognition file: vectors of neuronCount characters '0', '1', 'x'
// with at most one run of 'x' per vector. Returns 0..9.
int TestRecognitionFile(const std::string& name, uint32_t neuronCount);

// Checks a user distribution file. When table is given and the file passes,
// it is loaded into it on the same pass. Returns 0..8 (never 9).
int TestDistributionFile(const std::string& name, DistributionTable* table = nullptr);

// The same four tests over an opened reader (a file, or bytes in memory),
// from its first byte; the codes are those above, kFileCannotOpen aside.
int TestTrainingFile(CharReader& in, uint32_t* neuronCount);
int TestRetrainingFile(CharReader& in, uint32_t neuronCount);
int TestRecognitionFile(CharReader& in, uint32_t neuronCount);
int TestDistributionFile(CharReader& in, DistributionTable* table = nullptr);

}  // namespace foresta

#endif  // FORESTA_ENGINE_PATTERN_FILE_CHECK_H_
