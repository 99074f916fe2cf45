#ifndef FORESTA_FRAME_CHART_CHART_DOCUMENT_H_
#define FORESTA_FRAME_CHART_CHART_DOCUMENT_H_

#include <functional>
#include <string>

#include <QWidget>

#include "frame/chart/model/chart_content.h"

class QAction;
class QComboBox;
class QLabel;
class QPainter;

namespace foresta {

class ChartView;

// The client of a chart document window: a tool bar (the variable shown,
// Reset Zoom, Export PNG and Export SVG), a line of notes, and the chart.
// It reads its files afresh on Reload(), so it follows the predictions and
// backtests run on its input.
class ChartDocument : public QWidget {
  Q_OBJECT

 public:
  // REQUIRES: `load` is LoadChart(sources, PartPolicy::kOptional) and its
  // status is ok.
  ChartDocument(ChartSources sources, ChartLoad load, QWidget* parent = nullptr);
  ~ChartDocument() override;

  // Reads `sources` (leniently) and shows them. When the series is refused
  // (the file was changed or removed) the chart keeps what it showed and the
  // note line says why; the refusal is returned.
  ChartStatus Reload(ChartSources sources);
  const ChartSources& sources() const { return sources_; }
  ChartView& view() const { return *view_; }
  // The note line: why a part is missing, or the last refusal.
  QString NoteText() const;

  ChartStatus ExportPng(const std::string& file);
  ChartStatus ExportSvg(const std::string& file);

  // Printing: paints the chart into `target` of any painter.
  void Paint(QPainter& painter, const QRectF& target);
  QSizeF PaintSize() const;

  // Called when the window becomes active, to report into the status bar.
  void SetStatusRefresher(std::function<void()> refresh) { refresh_ = std::move(refresh); }

  // The window title.
  std::string Caption() const;
  // The Edit menu on a chart: Copy puts a picture of it on the clipboard;
  // the other editing commands do not apply.
  void Command(int id);
  bool CommandEnabled(int id) const;
  // Reports into the status bar (the window became active).
  void RefreshStatus();

 private:
  void ShowNotes(const std::vector<std::string>& notes, const std::string& refusal);
  void ShowVariables(const SeriesData& series);
  void ChooseVariable(int index);
  void ExportWithDialog(bool svg);

  ChartSources sources_;
  ChartView* view_ = nullptr;
  QComboBox* variable_ = nullptr;
  QAction* variableAction_ = nullptr;  // a tool bar hides widgets through it
  QLabel* note_ = nullptr;
  std::function<void()> refresh_;
};

}  // namespace foresta

#endif  // FORESTA_FRAME_CHART_CHART_DOCUMENT_H_
