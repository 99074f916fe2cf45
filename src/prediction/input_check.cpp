#include "prediction/input_check.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "prediction/byte_source.h"
#include "prediction/input_reader.h"
#include "state/readable_file.h"

namespace foresta {
namespace {

constexpr std::int64_t kMaxVariables = 100000;
constexpr std::int64_t kNeuronLimit = 100000;
constexpr std::int64_t kMinNeurons = 20;

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using OutputFile = std::unique_ptr<std::FILE, FileCloser>;

// Character classes of the data scan.
enum Class { kBlankClass, kSignClass, kDigitClass, kPointClass, kOtherClass };

Class Classify(int c) {
  if (c == ' ' || c == '\t' || c == '\n' || c == '\r') return kBlankClass;
  if (c == '+' || c == '-') return kSignClass;
  if (c >= '0' && c <= '9') return kDigitClass;
  if (c == '.') return kPointClass;
  return kOtherClass;
}

constexpr int kInvalid = -1;
// States: 0 between numbers, 1 after a sign, 2 integer part, 3 after a
// point, 4 fraction. Columns follow Class.
constexpr int kTransitions[5][5] = {
    {0, 1, 2, 3, kInvalid},
    {1, kInvalid, 2, 3, kInvalid},
    {0, kInvalid, 2, 3, kInvalid},
    {kInvalid, kInvalid, 4, kInvalid, kInvalid},
    {0, kInvalid, 4, kInvalid, kInvalid},
};

// Where the first pass copies what it reads: the echo file, a string, or
// nowhere.
class Echo {
 public:
  Echo(std::FILE* file, std::string* text) : file_(file), text_(text) {}
  void Put(int c) {
    if (file_ != nullptr) std::fputc(c, file_);
    if (text_ != nullptr) text_->push_back(static_cast<char>(c));
  }
  void Put(const char* begin, const char* end) {
    const auto size = static_cast<std::size_t>(end - begin);
    if (file_ != nullptr) std::fwrite(begin, 1, size, file_);
    if (text_ != nullptr) text_->append(begin, size);
  }
  void PutCount(std::uint32_t count) {
    char line[32];
    const int length = std::snprintf(line, sizeof line, "\n\n%u\n\n", count);
    if (file_ != nullptr) std::fwrite(line, 1, static_cast<std::size_t>(length), file_);
    if (text_ != nullptr) text_->append(line, static_cast<std::size_t>(length));
  }
  bool Flush() { return file_ == nullptr || std::fflush(file_) == 0; }

 private:
  std::FILE* file_;
  std::string* text_;
};

void Tell(const InputTestRequest& request, std::string text) {
  if (request.particulars != nullptr) *request.particulars = std::move(text);
}

// Why the variable count, trend and precision break the neuron limits.
std::string NeuronLimitsText(std::uint32_t n, const InputTestRequest& limits) {
  if (!limits.checkSettingLimits || n < 1 || n > kMaxVariables) {
    return "the number of variables is " + std::to_string(n) +
           "; it must be 1 to 100,000";
  }
  const std::int64_t window = static_cast<std::int64_t>(n) * limits.trend;
  return "N x T x P = " + std::to_string(n) + " x " + std::to_string(limits.trend) +
         " x " + std::to_string(limits.precision) + " = " +
         std::to_string(window * limits.precision) +
         " (variables x trend x precision); it must be at least 20 and below "
         "100,000, with N x T = " + std::to_string(window) +
         " below 100,000 and trend and precision at least 1";
}

// A number's text for a message, cut short when it is very long.
std::string ShownNumber(const std::string& digits, bool negative) {
  constexpr std::size_t kShown = 48;
  std::string text = negative ? "-" : "";
  if (digits.size() <= kShown) return text + digits;
  return text + digits.substr(0, kShown) + "... (" + std::to_string(digits.size()) +
         " digits)";
}

// First pass: copies what it reads to the echo and checks the characters.
// Returns 0 when the second pass should run.
int ScanCharacters(InputReader& reader, Echo& echo, const InputTestRequest& limits,
                   PredictionState& state) {
  ByteSource& in = reader.source();
  for (int star = 0; star < 2; ++star) {
    int c;
    do {
      c = in.Get();
      if (c == ByteSource::kEnd) {
        return star == 0 ? kInputNoComment : kInputCommentNotClosed;
      }
      echo.Put(c);
    } while (c != '*');
  }

  std::uint32_t count = 0;
  reader.ReadCount(count);
  state.VariableCount = count;
  echo.PutCount(count);
  const bool fits = limits.checkSettingLimits
                        ? InputFitsNeuronLimits(count, limits.trend, limits.precision)
                        : count >= 1 && count <= kMaxVariables;
  if (!fits) {
    Tell(limits, NeuronLimitsText(count, limits));
    return kInputNeuronsOutOfRange;
  }

  if (in.Peek() == ByteSource::kEnd) return kInputNoData;
  // The data is checked and echoed a buffer at a time; the echo ends with
  // the first character that is not allowed.
  int stateIndex = 0;
  const char* begin = nullptr;
  const char* end = nullptr;
  while (in.TakeSpan(&begin, &end)) {
    const char* at = begin;
    for (; at < end; ++at) {
      stateIndex = kTransitions[stateIndex][Classify(static_cast<unsigned char>(*at))];
      if (stateIndex == kInvalid) break;
    }
    echo.Put(begin, at < end ? at + 1 : end);
    if (stateIndex == kInvalid) return kInputInvalidCharacter;
  }
  if (!echo.Flush()) {
    Tell(limits, "the echo file " + limits.echoFile + " could not be written");
    return kInputCannotOpen;
  }
  return kInputOk;
}

// Second pass: counts the numbers and the rows they make.
int CountRows(InputReader& reader, const InputTestRequest& limits, PredictionState& state,
              int& rowCount) {
  if (int code = reader.SkipComment(); code != 0) return code;
  std::uint32_t n = 0;
  bool numeric = reader.ReadCount(n);
  state.VariableCount = n;
  if (!numeric || n < 1 || n > kMaxVariables) {
    Tell(limits, NeuronLimitsText(n, limits));
    return kInputNeuronsOutOfRange;
  }

  std::uint64_t numbers = 0;
  float value = 0;
  for (;;) {
    InputReader::Item item = reader.NextNumber(value);
    if (item == InputReader::Item::kEnd) break;
    if (item == InputReader::Item::kInvalid) return kInputInvalidCharacter;
    if (std::isinf(value)) {
      // Only the general reading yields an infinity, so its token is the
      // number's digits.
      Tell(limits, "row " + std::to_string(numbers / n + 1) + ", variable " +
                       std::to_string(numbers % n + 1) + ": the value " +
                       ShownNumber(reader.token(), value < 0) +
                       " is beyond single precision");
      return kInputValueTooLarge;
    }
    ++numbers;
  }
  if (numbers == 0) return kInputNoData;
  if (numbers % n != 0) return kInputLastRowIncomplete;
  std::uint64_t rows = numbers / n;
  rowCount = rows > INT32_MAX ? INT32_MAX : static_cast<int>(rows);
  const int trend = limits.checkSettingLimits ? limits.trend : 1;
  if (rows < static_cast<std::uint64_t>(trend > 0 ? trend : 0)) {
    return kInputNotEnoughData;
  }
  return kInputOk;
}

}  // namespace

// Products are taken in 64 bits so a large trend or precision can never wrap
// around into a passing value. A negative trend or precision is out of
// range, as it would be read unsigned.
bool InputFitsNeuronLimits(std::int64_t n, int trend, int precision) {
  if (trend < 1 || precision < 1) return false;
  std::int64_t window = n * trend;
  std::int64_t neurons = window * precision;
  return n >= 1 && window < kNeuronLimit && neurons < kNeuronLimit &&
         neurons >= kMinNeurons;
}

int TestInputFile(const InputTestRequest& request, PredictionState& state,
                  int& rowCount) {
  rowCount = -1;
  if (request.particulars != nullptr) request.particulars->clear();
  // A directory or a FIFO is no input file; opening it would read nothing
  // (or wait for a writer) instead of failing.
  if (!IsReadableRegularFile(request.inputFile)) return kInputCannotOpen;
  // Opening the echo empties it; were it the input, the data would be gone.
  std::error_code ec;
  if (!request.echoFile.empty() &&
      std::filesystem::equivalent(request.inputFile, request.echoFile, ec)) {
    return kInputIsEchoFile;
  }
  {
    InputReader reader;
    if (!reader.Open(request.inputFile)) return kInputCannotOpen;
    // Without an echo file nothing is written (readers that run side by
    // side in one folder).
    OutputFile echoFile;
    if (!request.echoFile.empty()) {
      echoFile.reset(std::fopen(request.echoFile.c_str(), "wb"));
      if (!echoFile) {
        Tell(request, "the echo file " + request.echoFile + " could not be written");
        return kInputCannotOpen;
      }
      std::setvbuf(echoFile.get(), nullptr, _IOFBF, 1 << 16);
    }
    Echo echo(echoFile.get(), nullptr);
    const int code = ScanCharacters(reader, echo, request, state);
    // A read error looks like the end of the file to the scan.
    if (reader.source().failed()) return kInputReadFailed;
    if (code != kInputOk) return code;
  }
  InputReader reader;
  if (!reader.Open(request.inputFile)) return kInputCannotOpen;
  const int code = CountRows(reader, request, state, rowCount);
  if (reader.source().failed()) {
    rowCount = -1;
    return kInputReadFailed;
  }
  return code;
}

int TestInputBytes(std::string_view bytes, int precision, int trend,
                   PredictionState& state, int& rowCount, std::string* echo) {
  rowCount = -1;
  InputReader reader;
  reader.OpenBytes(bytes);
  Echo sink(nullptr, echo);
  InputTestRequest limits;
  limits.precision = precision;
  limits.trend = trend;
  const int code = ScanCharacters(reader, sink, limits, state);
  if (code != kInputOk) return code;
  reader.OpenBytes(bytes);
  return CountRows(reader, limits, state, rowCount);
}

}  // namespace foresta
