#include "frame/chart/chart_document.h"

#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QSignalBlocker>
#include <QMessageBox>
#include <QToolBar>
#include <QVBoxLayout>

#include "frame/chart/chart_export.h"
#include "frame/chart/chart_view.h"
#include "frame/chart/forecast_chart.h"
#include "workbench/command_ids.h"

namespace foresta {

ChartDocument::ChartDocument(ChartSources sources, ChartLoad load, QWidget* parent)
    : QWidget(parent), sources_(std::move(sources)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* bar = new QToolBar(this);
  bar->setObjectName(QStringLiteral("chartTools"));
  bar->setIconSize(QSize(16, 16));
  variable_ = new QComboBox(bar);
  variable_->setObjectName(QStringLiteral("variable"));
  variable_->setToolTip(QStringLiteral("The variable shown"));
  variableAction_ = bar->addWidget(variable_);
  bar->addAction(QStringLiteral("Reset Zoom"), this, [this] { view_->ResetZoom(); })
      ->setToolTip(QStringLiteral("Show the whole series (Home)"));
  bar->addSeparator();
  bar->addAction(QStringLiteral("Export PNG..."), this, [this] { ExportWithDialog(false); })
      ->setToolTip(QStringLiteral("Save a picture of the chart as PNG"));
  bar->addAction(QStringLiteral("Export SVG..."), this, [this] { ExportWithDialog(true); })
      ->setToolTip(QStringLiteral("Save the chart as SVG"));
  layout->addWidget(bar);
  note_ = new QLabel(this);
  note_->setObjectName(QStringLiteral("note"));
  note_->setWordWrap(true);
  note_->setContentsMargins(6, 2, 6, 2);
  note_->setStyleSheet(QStringLiteral("QLabel { background: #fff4d6; color: #5d4000; }"));
  layout->addWidget(note_);
  ShowNotes(load.content.notes, {});
  ShowVariables(load.content.series);
  view_ = new ChartView(std::move(load.content), this);
  layout->addWidget(view_, 1);
  connect(variable_, &QComboBox::activated, this, &ChartDocument::ChooseVariable);
}

ChartDocument::~ChartDocument() = default;

void ChartDocument::ShowNotes(const std::vector<std::string>& notes, const std::string& refusal) {
  QStringList lines;
  if (!refusal.empty()) lines << QString::fromLocal8Bit(refusal.c_str());
  for (const std::string& note : notes) lines << QString::fromLocal8Bit(note.c_str());
  note_->setText(lines.join(QLatin1Char('\n')));
  note_->setVisible(!lines.isEmpty());
}

void ChartDocument::ShowVariables(const SeriesData& series) {
  // The selector lists the variables only when there is a choice.
  const QSignalBlocker quiet(variable_);
  variable_->clear();
  for (std::uint32_t j = 1; j <= series.variableCount; ++j) {
    variable_->addItem(QStringLiteral("Variable %1").arg(j));
  }
  variable_->setCurrentIndex(series.variable - 1);
  variableAction_->setVisible(series.variableCount > 1);
}

QString ChartDocument::NoteText() const { return note_->text(); }

ChartStatus ChartDocument::Reload(ChartSources sources) {
  ChartLoad load = LoadChart(sources, PartPolicy::kOptional);
  if (!load.status.ok()) {
    ShowNotes({}, load.status.message);
    return load.status;
  }
  sources_ = std::move(sources);
  ShowNotes(load.content.notes, {});
  ShowVariables(load.content.series);
  view_->SetContent(std::move(load.content));
  return {};
}

void ChartDocument::ChooseVariable(int index) {
  if (index < 0 || index + 1 == sources_.variable) return;
  ChartSources sources = sources_;
  sources.variable = index + 1;
  Reload(std::move(sources));
}

ChartStatus ChartDocument::ExportPng(const std::string& file) { return SaveChartPng(*view_, file); }
ChartStatus ChartDocument::ExportSvg(const std::string& file) { return SaveChartSvg(*view_, file); }

void ChartDocument::ExportWithDialog(bool svg) {
  const QString filter = svg ? QStringLiteral("SVG pictures (*.svg)") : QStringLiteral("PNG pictures (*.png)");
  const QString name = QFileDialog::getSaveFileName(
      this, svg ? QStringLiteral("Export SVG") : QStringLiteral("Export PNG"), QString(), filter);
  if (name.isEmpty()) return;
  const std::string file = name.toLocal8Bit().toStdString();
  const ChartStatus status = svg ? ExportSvg(file) : ExportPng(file);
  if (!status.ok()) {
    QMessageBox::warning(this, QStringLiteral("Export"), QString::fromLocal8Bit(status.message.c_str()));
  }
}

void ChartDocument::Paint(QPainter& painter, const QRectF& target) { view_->Paint(painter, target); }

QSizeF ChartDocument::PaintSize() const { return QSizeF(view_->viewport()->size()); }

std::string ChartDocument::Caption() const { return "Chart - " + sources_.input; }

void ChartDocument::Command(int id) {
  if (id == kCmEditCopy) QGuiApplication::clipboard()->setImage(ChartImage(*view_));
}

bool ChartDocument::CommandEnabled(int id) const { return id == kCmEditCopy; }

void ChartDocument::RefreshStatus() {
  if (refresh_) refresh_();
}

}  // namespace foresta
