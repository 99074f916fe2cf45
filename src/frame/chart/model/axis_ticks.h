#ifndef FORESTA_FRAME_CHART_MODEL_AXIS_TICKS_H_
#define FORESTA_FRAME_CHART_MODEL_AXIS_TICKS_H_

namespace foresta {

// The distance between ticks of an axis spanning `span` with at most
// `maxTicks` ticks: 1, 2 or 5 times a power of ten, so labels stay short
// and round (0, 50, 100 rather than -3.8, 58.6, 121). 1 for an empty span.
double NiceTickStep(double span, int maxTicks);

}  // namespace foresta

#endif  // FORESTA_FRAME_CHART_MODEL_AXIS_TICKS_H_
