#pragma once

#include <QString>
#include <QWidget>
#include <vector>

namespace vorlane::ui::qt {

// One bar: a label and a share from 0 to 1, written beside the bar as a percentage.
struct ChartBar {
    QString label;
    double share = 0;
};

// A small horizontal bar chart. What it shows is also given as text, which a screen reader
// reads as the chart's description.
class ResultsChart : public QWidget {
  public:
    explicit ResultsChart(QWidget* parent = nullptr);

    void SetBars(std::vector<ChartBar> bars, const QString& asText);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<ChartBar> bars_;
};

}  // namespace vorlane::ui::qt
