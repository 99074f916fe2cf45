#ifndef FORESTA_EVALUATION_ADVICE_H_
#define FORESTA_EVALUATION_ADVICE_H_

#include <optional>
#include <vector>

#include "evaluation/backtest.h"

namespace foresta {

// Adds the combination candidates with their forecasts and scores: the mean
// of the five best pattern settings on the validation window (those that
// forecast there at every origin, identical forecasts counted once), and
// the mean of that and the best baseline. Then chooses the recommendation
// among the baselines and these two: the smallest validation MAE, the
// simpler on a tie. Nothing of the scored window enters the choice. Every
// single setting stays scored and listed.
void ChooseRecommendation(BacktestResult& result);

// The recommendation's intervals: at each scored origin from the absolute
// errors of the origins before it (the coverage), and around `next` from
// all of them.
void FillIntervals(BacktestResult& result, std::optional<float> next);

// The forecast of a combination from its members' forecasts: the mean of
// those present, missing only when none is.
std::optional<float> MeanForecast(const std::vector<std::optional<float>>& members);

}  // namespace foresta

#endif  // FORESTA_EVALUATION_ADVICE_H_
