#include "WindowPlacementHelpers.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

#include <algorithm>

void centreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

void fixAtContentSize(QWidget& window, const QSize& smallest) {
    raiseSizeLimitsToContent(window);
    if (QLayout* layout = window.layout())
        layout->activate();
    window.setFixedSize(smallest.expandedTo(window.sizeHint()).expandedTo(window.minimumSizeHint()));
}

namespace {

// The content's need in one direction, or 0 where the control's policy says its hint does not count.
int need(int hint, QSizePolicy::Policy policy) {
    return policy == QSizePolicy::Ignored ? 0 : std::max(hint, 0);
}

} // namespace

void raiseSizeLimitsToContent(QWidget& root) {
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    // Children before the containers that hold them, so a container measures its children's raised sizes.
    std::reverse(widgets.begin(), widgets.end());
    // The window itself is left to its layout, which keeps it at least as large as its content.
    // Measured as they will be drawn: the style sheet's fonts and spacings apply once a widget is polished.
    for (QWidget* widget : widgets)
        widget->ensurePolished();
    for (QWidget* widget : widgets) {
        if (widget->isWindow() || qobject_cast<QComboBox*>(widget))
            continue;
        const QSize smallest = widget->minimumSize();
        const QSize largest = widget->maximumSize();
        const bool limited =
            !smallest.isNull() || largest.width() < QWIDGETSIZE_MAX || largest.height() < QWIDGETSIZE_MAX;
        if (!limited)
            continue;
        if (QLayout* layout = widget->layout())
            layout->invalidate();
        const QSize hint = widget->minimumSizeHint();
        const QSizePolicy policy = widget->sizePolicy();
        const QSize content(need(hint.width(), policy.horizontalPolicy()),
                            need(hint.height(), policy.verticalPolicy()));
        if (smallest.width() > 0 || smallest.height() > 0) {
            const QSize raised = smallest.expandedTo(
                QSize(smallest.width() > 0 ? content.width() : 0, smallest.height() > 0 ? content.height() : 0));
            if (raised != smallest)
                widget->setMinimumSize(raised);
        }
        const QSize roomy = largest.expandedTo(content).expandedTo(widget->minimumSize());
        if (roomy != largest)
            widget->setMaximumSize(roomy);
    }
}
