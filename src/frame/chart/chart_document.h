#ifndef FORESTA_FRAME_CHART_CHART_DOCUMENT_H_
#define FORESTA_FRAME_CHART_CHART_DOCUMENT_H_

#include <functional>
#include <string>

#include <QWidget>

#include "frame/chart/model/chart_content.h"
#include "frame/document_client.h"

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
class ChartDocument : public QWidget, public DocumentClient {
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

  // DocumentClient. Copy puts a picture of the chart on the clipboard; the
  // other editing commands do not apply.
  QWidget* Widget() override { return this; }
  std::string Caption() const override;
  void Command(int id) override;
  bool CommandEnabled(int id) const override;
  bool CanClose() override { return true; }
  void RefreshStatus() override;

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
