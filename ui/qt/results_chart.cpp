#include "ui/qt/results_chart.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace vorlane::ui::qt {

namespace {

constexpr int kRowHeight = 18;
constexpr int kLabelWidth = 170;
constexpr int kPercentWidth = 44;
constexpr int kMinimumRows = 2;

}  // namespace

ResultsChart::ResultsChart(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFocusPolicy(Qt::TabFocus);  // so a screen reader user can reach the description
}

void ResultsChart::SetBars(std::vector<ChartBar> bars, const QString& asText) {
    bars_ = std::move(bars);
    setAccessibleDescription(asText);
    setToolTip(asText);
    updateGeometry();
    update();
}

QSize ResultsChart::sizeHint() const {
    const int rows = std::max(kMinimumRows, static_cast<int>(bars_.size()));
    return {kLabelWidth + 200 + kPercentWidth, rows * kRowHeight + 4};
}

void ResultsChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& colours = palette();
    if (hasFocus()) {
        painter.setPen(QPen(colours.color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    const int barSpace = std::max(20, width() - kLabelWidth - kPercentWidth - 8);
    for (std::size_t i = 0; i < bars_.size(); ++i) {
        const ChartBar& bar = bars_[i];
        const int top = 2 + static_cast<int>(i) * kRowHeight;
        const QRect label(4, top, kLabelWidth - 8, kRowHeight);
        painter.setPen(colours.color(QPalette::WindowText));
        painter.drawText(
            label, Qt::AlignLeft | Qt::AlignVCenter,
            painter.fontMetrics().elidedText(bar.label, Qt::ElideRight, label.width()));
        const QRect track(kLabelWidth, top + 3, barSpace, kRowHeight - 6);
        painter.fillRect(track, colours.color(QPalette::Midlight));
        const double share = std::clamp(bar.share, 0.0, 1.0);
        const QRect filled(track.left(), track.top(),
                           static_cast<int>(std::lround(track.width() * share)), track.height());
        painter.fillRect(filled, QColor(0, 140, 60));
        painter.drawText(QRect(track.right() + 6, top, kPercentWidth, kRowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         QString::number(std::lround(share * 100)) + QStringLiteral("%"));
    }
}

}  // namespace vorlane::ui::qt
