#include "controls/cqvmtabctrl.h"

#include "controls/bandedstyle.h"

#include <QTabBar>

namespace {

// The desktop style pads every tab title by its own width on both sides
// together; at half of that the nine event titles fit the layout's tab
// control side by side, without scroll arrows. The frame around the pages is
// drawn in bands.
class NarrowTabStyle : public BandedStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        const int value = BandedStyle::pixelMetric(metric, option, widget);
        return metric == PM_TabBarTabHSpace ? value / 2 : value;
    }
};

} // namespace

CQvmTabCtrl::CQvmTabCtrl(QWidget* parent) : QTabWidget(parent) {
    auto* style = new NarrowTabStyle;
    style->setParent(this);
    tabBar()->setStyle(style);
    setStyle(style);
}
