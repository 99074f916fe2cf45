#include "support/recognition_reference.h"

#include <fstream>
#include <vector>

#include "engine/pattern_file_check.h"
#include "engine/pattern_store.h"
#include "engine/pattern_weight.h"
#include "engine/recognition_class.h"

namespace foresta {

namespace {

bool BreakHere(const BreakerSettings& b, int64_t i) {
  if (b.breakerStep > 0) {
    if (i == b.line2Start) return true;
    return i > b.line2Start && (i - b.line2Start) % b.breakerStep == 0;
  }
  return i == b.line2Start || i == b.line3Start || i == b.line4Start || i == b.line5Start;
}

void SkipComment(std::istream& in) {
  char c;
  while (in.get(c) && c != '*') {
  }
  while (in.get(c) && c != '*') {
  }
}

struct Table {
  int m = 0;
  int p = 0;
  std::vector<char> chars;
};

Table LoadTable(const std::string& name) {
  Table t;
  std::ifstream in(name, std::ios::binary);
  SkipComment(in);
  in >> t.m >> t.p;
  const int64_t want = static_cast<int64_t>(t.m) * t.p;
  t.chars.reserve(static_cast<size_t>(want) + 1);
  char c;
  while (static_cast<int64_t>(t.chars.size()) < want && in >> c) t.chars.push_back(c);
  return t;
}

}  // namespace

int RecognizeWithDistributionReference(const PatternStore& store, uint32_t neuronCount,
                                       const RecognitionSettings& settings, bool listVotes) {
  const int64_t n = neuronCount;
  if (TestDistributionFile(settings.userDistributionFile) != kFileOk) return 4;
  if (TestRecognitionFile(settings.recognitionFile, neuronCount) != kFileOk) return 1;
  std::ifstream in(settings.recognitionFile, std::ios::binary);
  if (!in) return 1;
  std::ofstream out(settings.recognitionOutputFile, std::ios::binary | std::ios::trunc);
  if (!out) return 1;
  if (store.PatternSizes().isEmpty()) return 2;
  out << "\n ---------------------------- \n";
  if (!out) return 3;

  SkipComment(in);
  char c = 0;
  while (in.get(c) && c != '0' && c != '1' && c != 'x') {
  }
  std::vector<char> work(static_cast<size_t>(n));
  bool haveChar = static_cast<bool>(in);
  while (haveChar) {
    int64_t s = -1;
    int64_t m = 0;
    for (int64_t i = 0; i < n; ++i) {
      if (i > 0) {
        in >> c;
        if (i >= 1 && BreakHere(settings.breakers, i)) out << "\n\t";
      }
      out << c;
      work[static_cast<size_t>(i)] = c;
      if (c == 'x') {
        if (s < 0) s = i;
        ++m;
      }
    }
    out << "\n";
    if (m > 0) {
      for (int64_t i = s; i < s + m; ++i) work[static_cast<size_t>(i)] = '0';
      int64_t ones = 0;
      for (int64_t i = 0; i < n; ++i) {
        if (work[static_cast<size_t>(i)] == '1') ++ones;
      }
      Table table = LoadTable(settings.userDistributionFile);
      if (table.m != m) {
        out << " Recognition data does not match user distribution data \n";
        out << " pattern can not be classified \n";
      } else {
        std::vector<uint32_t> totals(static_cast<size_t>(table.p), 0);
        const DCharList& sizes = store.PatternSizes();
        const DCharList& positions = store.PatternPositions();
        int64_t si = 0;
        int64_t pi = 0;
        while (sizes.at(si) != PatternStore::kEndMark) {
          const int64_t k = sizes.at(si++);
          if (k > ones + m) {
            pi += k;
            continue;
          }
          bool consistent = true;
          for (int64_t j = 0; j < k; ++j) {
            const int64_t at = positions.at(pi++);
            if (at >= s && at < s + m) {
              work[static_cast<size_t>(at)] = '1';
            } else if (work[static_cast<size_t>(at)] != '1') {
              consistent = false;
              pi += k - j - 1;
              break;
            }
          }
          if (consistent) {
            int64_t nOnes = ones;
            for (int64_t i = s; i < s + m; ++i) {
              if (work[static_cast<size_t>(i)] == '1') ++nOnes;
            }
            const uint32_t w = PatternWeight(nOnes - k, neuronCount);
            for (int r = 0; r < table.p; ++r) {
              bool equal = true;
              for (int64_t j = 0; j < m; ++j) {
                if (table.chars[static_cast<size_t>(r * m + j)] != work[static_cast<size_t>(s + j)]) {
                  equal = false;
                  break;
                }
              }
              if (equal) {
                const uint64_t sum = uint64_t{totals[static_cast<size_t>(r)]} + w;
                totals[static_cast<size_t>(r)] = sum > kTotalCap ? kTotalCap : static_cast<uint32_t>(sum);
                break;
              }
            }
          }
          for (int64_t i = s; i < s + m; ++i) work[static_cast<size_t>(i)] = '0';
        }
        if (listVotes) {
          out << " User defined output neural patterns: \n";
          for (int r = 0; r < table.p; ++r) {
            if (totals[static_cast<size_t>(r)] > 0) {
              out.write(&table.chars[static_cast<size_t>(r * m)], m);
              out << "     " << totals[static_cast<size_t>(r)] << "\n";
            }
          }
          out << " End of the Distribution \n";
        }
        uint32_t best = 0;
        int winner = 0;
        for (int r = 0; r < table.p; ++r) {
          if (totals[static_cast<size_t>(r)] > best) {
            best = totals[static_cast<size_t>(r)];
            winner = r;
          }
        }
        int ties = 0;
        for (int r = 0; r < table.p; ++r) {
          if (totals[static_cast<size_t>(r)] == best) ++ties;
        }
        if (best == 0) {
          out << " pattern can not be classified \n";
        } else {
          for (int64_t j = 0; j < m; ++j) {
            work[static_cast<size_t>(s + j)] = table.chars[static_cast<size_t>(winner * m + j)];
          }
          for (int64_t i = 0; i < n; ++i) {
            out << work[static_cast<size_t>(i)];
            if (BreakHere(settings.breakers, i + 1)) out << "\n\t";
          }
          out << "  " << best << "  " << ties << "\n\n";
          if (ties >= 2) {
            out << " There are " << ties << " Patterns found with equal weight \n";
            out << " More training for this pattern is suggested\n\n";
          }
        }
      }
    }
    out << "\n";
    haveChar = static_cast<bool>(in >> c);
  }
  out.close();
  return out ? kRecognitionOk : kRecognitionWriteFailed;
}

}  // namespace foresta
