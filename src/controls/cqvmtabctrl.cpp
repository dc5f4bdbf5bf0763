#include "controls/cqvmtabctrl.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTabBar>

namespace {

// The desktop style pads every tab title by its own width on both sides
// together; at half of that the nine event titles fit the layout's tab
// control side by side, without scroll arrows.
class NarrowTabStyle : public QProxyStyle {
public:
    NarrowTabStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        return metric == PM_TabBarTabHSpace ? value / 2 : value;
    }
};

} // namespace

CQvmTabCtrl::CQvmTabCtrl(QWidget* parent) : QTabWidget(parent) {
    auto* style = new NarrowTabStyle;
    style->setParent(this);
    tabBar()->setStyle(style);
}
