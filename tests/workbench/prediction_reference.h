#ifndef FORESTA_TESTS_WORKBENCH_PREDICTION_REFERENCE_H_
#define FORESTA_TESTS_WORKBENCH_PREDICTION_REFERENCE_H_

// A plain, whole-file transcription of the encoders and the report writers,
// used to check the streaming implementation on random inputs. It holds
// every row in memory and recomputes everything from scratch.

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace foresta::reference {

struct Input {
  std::string comment;                   // including both stars
  std::vector<std::vector<float>> rows;  // rows[r][j]
};

inline std::string G(float x) {
  char b[32];
  std::snprintf(b, sizeof b, "%g", static_cast<double>(x));
  return b;
}

inline long Trunc(double x) {
  if (std::isnan(x)) return 0;
  if (x >= 2147483647.0) return 2147483647;
  if (x <= -2147483648.0) return -2147483648L;
  return static_cast<long>(x);
}

inline float Width(float mx, float mn, int p) {
  float w0 = (mx - mn) / static_cast<float>(p);
  return (mx - mn + w0) / static_cast<float>(p);
}

inline std::string Code(long index, int p, int style) {
  std::string s;
  for (long i = 0; i < p; ++i) {
    bool one = style == 1 ? i >= p - 1 - index : style == 2 ? i <= p - 1 - index
                                                            : i == index;
    s += one ? '1' : '0';
  }
  return s;
}

inline float Clamp(float x) {
  if (x >= 0 && x <= 0.1f) return 0.1f;
  if (x >= -0.1f && x < 0) return -0.1f;
  return x;
}

struct Encoded {
  std::string trn, rtn, rec, usd;
  std::vector<float> maxima, minima, last;
};

// kind: 0 linear, 1 growth, 2 enumerative.
inline Encoded Encode(const Input& in, int kind, int style, int p, int t) {
  const std::size_t n = in.rows[0].size();
  std::vector<std::vector<float>> q;  // quantities
  if (kind == 1) {
    for (std::size_t r = 1; r < in.rows.size(); ++r) {
      std::vector<float> rate(n);
      for (std::size_t j = 0; j < n; ++j) {
        float prev = Clamp(in.rows[r - 1][j]);
        rate[j] = (Clamp(in.rows[r][j]) - prev) / prev;
      }
      q.push_back(rate);
    }
  } else {
    q = in.rows;
  }
  Encoded e;
  e.maxima = q[0];
  e.minima = q[0];
  for (const auto& row : q) {
    for (std::size_t j = 0; j < n; ++j) {
      if (row[j] > e.maxima[j]) e.maxima[j] = row[j];
      if (!(row[j] >= e.minima[j])) e.minima[j] = row[j];
    }
  }
  for (std::size_t j = 0; j < n; ++j) e.last.push_back(Clamp(in.rows.back()[j]));
  auto code = [&](std::size_t j, float x) {
    float w = Width(e.maxima[j], e.minima[j], p);
    long index = w > 0 ? Trunc((x - e.minima[j]) / w) : Trunc(x);
    return Code(index, p, style) + " ";
  };
  auto rowCodes = [&](std::size_t r) {
    std::string s;
    for (std::size_t j = 0; j < n; ++j) s += code(j, q[r][j]);
    return s;
  };
  const std::string neurons = std::to_string(n * static_cast<std::size_t>(p * t));
  e.trn = e.rtn = in.comment + "\n" + neurons + "\n";
  e.rec = in.comment + "\n";
  e.usd = in.comment + "\n" + std::to_string(n * static_cast<std::size_t>(p)) + "   ";
  const std::size_t tt = static_cast<std::size_t>(t);
  const std::size_t r0 = kind == 1 ? 1 : 0;  // rate rows are counted from 1
  if (kind == 2) {
    std::size_t c = 1;
    for (std::size_t j = 0; j < n; ++j) c *= static_cast<std::size_t>(p);
    e.usd += std::to_string(c) + "\n";
    for (std::size_t y = 0; y < c; ++y) {
      std::size_t v = y;
      for (std::size_t j = 0; j < n; ++j) {
        e.usd += Code(static_cast<long>(v % static_cast<std::size_t>(p)), p, style) + " ";
        v /= static_cast<std::size_t>(p);
      }
      e.usd += "\n";
    }
  } else {
    e.usd += std::to_string(q.size()) + "\n";
    for (std::size_t r = 0; r < q.size(); ++r) {
      for (std::size_t j = 0; j < n; ++j) {
        std::string c = code(j, q[r][j]);
        c.pop_back();
        e.usd += c + (j + 1 == n ? "\n" : "") + " ";
      }
    }
  }
  for (std::size_t r = 0; r < q.size() && r < tt; ++r) e.rtn += rowCodes(r);
  for (std::size_t r = tt - 1; r < q.size(); ++r) {
    for (std::size_t k = r + 1 - tt; k <= r; ++k) e.trn += rowCodes(k);
    e.trn += "\n";
  }
  if (!q.empty()) e.trn += "\n";
  for (std::size_t r = q.size() + 1 - tt; r < q.size(); ++r) e.rec += rowCodes(r);
  for (std::size_t j = 0; j < n; ++j) e.rec += std::string(static_cast<std::size_t>(p), 'x') + " ";
  (void)r0;
  return e;
}

// The report for the vote lines (row, weight) of a recognition output.
// growth: numbers are rates applied to e.last.
inline std::string Report(const Encoded& e, bool growth, int style, int mode, int p,
                          const std::vector<std::pair<std::string, long>>& votes) {
  const std::size_t n = e.maxima.size();
  const bool integer = mode == 2 || mode == 4, listing = mode <= 2;
  auto num = [&](float x) { return integer ? std::to_string(Trunc(x)) : G(x); };
  std::string out = listing ? "Possibility              Confidence*Probability  \n" : "";
  if (votes.empty()) {
    out += "\n\nCan not make a Prediction.\nTo get a prediction, you can:\n"
           "\t(1) Add more data;\nIf you do not have more data; then click "
           "'Data/Link' and: \n\t(2) Reduce Trend; or/and\n\t(3) Reduce Precision "
           "level;\nYou may also consider:\n\t(4) Reduce the number of variables "
           "in your data set.\nSee the User's Guide\n";
    if (listing) out += std::string(51, '-') + "\n";
    return out;
  }
  std::vector<float> sums(n, 0), best(n, 0);
  long total = 0, maximum = 0;
  for (const auto& [row, weight] : votes) {
    std::vector<float> numbers(n);
    for (std::size_t j = 0; j < n; ++j) {
      std::string c = row.substr(j * static_cast<std::size_t>(p), static_cast<std::size_t>(p));
      long ones = 0, last = -1;
      for (long i = 0; i < p; ++i) {
        if (c[static_cast<std::size_t>(i)] == '1') ++ones, last = i;
      }
      long index = style == 1 ? ones - 1 : style == 2 ? p - ones : (last < 0 ? 0 : last);
      float w = Width(e.maxima[j], e.minima[j], p);
      float low = w > 0 ? static_cast<float>(index) * w + e.minima[j] : e.minima[j];
      float x = growth ? e.last[j] * (1.0f + low + w / 2.0f) : low + w / 2.0f;
      if (integer) x = static_cast<float>(Trunc(x + 0.5f));
      numbers[j] = x;
      if (listing) out += num(x) + "  ";
    }
    if (listing) out += "     " + G(static_cast<float>(weight)) + "\n";
    for (std::size_t j = 0; j < n; ++j) sums[j] += static_cast<float>(weight) * numbers[j];
    total += weight;
    if (weight > maximum) maximum = weight, best = numbers;
  }
  if (listing) out += std::string(51, '-') + "\n";
  out += "Weighted Average\n";
  for (std::size_t j = 0; j < n; ++j) {
    out += num(sums[j] / static_cast<float>(total) + (integer ? 0.5f : 0.0f)) + "  ";
  }
  out += "\nHighest Probability\n";
  for (std::size_t j = 0; j < n; ++j) out += num(best[j]) + "  ";
  out += std::to_string(maximum) + "\nError of each number\n";
  for (std::size_t j = 0; j < n; ++j) {
    float w = Width(e.maxima[j], e.minima[j], p);
    out += G(growth ? e.last[j] * w / 2.0f : w / 2.0f) + "  ";
  }
  return out + "\n";
}

// The vote lines of a recognition output written by the engine.
inline std::vector<std::pair<std::string, long>> Votes(const std::string& dat) {
  std::vector<std::pair<std::string, long>> votes;
  std::size_t at = dat.find(':');
  if (at == std::string::npos) return votes;
  std::size_t end = dat.find("End of the Distribution", at);
  std::size_t line = dat.find('\n', at) + 1;
  while (line < end) {
    std::size_t stop = dat.find('\n', line);
    std::string text = dat.substr(line, stop - line);
    std::size_t gap = text.find("     ");
    if (gap != std::string::npos) {
      votes.emplace_back(text.substr(0, gap), std::stol(text.substr(gap + 5)));
    }
    line = stop + 1;
  }
  return votes;
}

}  // namespace foresta::reference

#endif  // FORESTA_TESTS_WORKBENCH_PREDICTION_REFERENCE_H_
