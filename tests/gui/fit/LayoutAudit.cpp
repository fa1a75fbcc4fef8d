#include "LayoutAudit.h"

#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace {

QString describe(const QWidget& widget) {
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        text = label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        text = button->text();
    else if (const auto* group = qobject_cast<const QGroupBox*>(&widget))
        text = group->title();
    QString name = QString::fromLatin1(widget.metaObject()->className()) + QLatin1Char('#') + widget.objectName();
    if (!text.isEmpty())
        name += QStringLiteral(" \"%1\"").arg(text.left(40));
    return name;
}

QString rectText(const QRect& rect) {
    return QStringLiteral("%1,%2 %3x%4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

// Controls draw their own parts (a spin box's editor, a list's viewport, a combo's arrow): only plain containers have
// children the window's design placed.
bool placesItsChildren(const QWidget& widget) {
    return !(qobject_cast<const QAbstractScrollArea*>(&widget) || qobject_cast<const QAbstractSpinBox*>(&widget) ||
             qobject_cast<const QComboBox*>(&widget) || qobject_cast<const QLineEdit*>(&widget) ||
             qobject_cast<const QAbstractButton*>(&widget) || qobject_cast<const QTabBar*>(&widget) ||
             qobject_cast<const QAbstractSlider*>(&widget) || qobject_cast<const QProgressBar*>(&widget) ||
             qobject_cast<const QLabel*>(&widget));
}

QString plainText(QString text) {
    // "&&" shows one ampersand, a single one marks the mnemonic.
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text;
}

// What a push or tool button needs across to show its text and picture: the text, the picture, and the margins and
// frame the style draws around them (the style's wider minimum for dialog buttons is not a need).
int pushButtonWidthNeed(const QAbstractButton& button) {
    const QStyle& style = *button.style();
    int need = button.fontMetrics().horizontalAdvance(plainText(button.text()));
    if (!button.icon().isNull())
        need += button.iconSize().width() + 4;
    need += style.pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button);
    need += 2 * style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
    return need;
}

} // namespace

void LayoutAudit::look(const QWidget& window, const QString& state) {
    const QString where = window.objectName() + QStringLiteral(" (") + state + QLatin1Char(')');
    lookAtChildren(window, where);
}

void LayoutAudit::lookAtEveryPage(QWidget& window, const QString& state) {
    look(window, state);
    for (QTabWidget* tabs : window.findChildren<QTabWidget*>()) {
        if (!tabs->isVisibleTo(&window))
            continue;
        const int shown = tabs->currentIndex();
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            QApplication::processEvents();
            look(window, state + QStringLiteral(", page \"") + plainText(tabs->tabText(page)) + QLatin1Char('"'));
        }
        tabs->setCurrentIndex(shown);
    }
}

void LayoutAudit::lookAtChildren(const QWidget& parent, const QString& where) {
    QList<const QWidget*> shown;
    for (const QObject* object : parent.children()) {
        const auto* child = qobject_cast<const QWidget*>(object);
        if (!child || child->isWindow() || !child->isVisibleTo(&parent) || child->size().isEmpty())
            continue;
        shown.append(child);
    }
    for (const QWidget* child : shown) {
        if (!parent.rect().contains(child->geometry()))
            faults_ << QStringLiteral("%1: %2 at %3 lies outside %4 (%5)")
                           .arg(where, describe(*child), rectText(child->geometry()), describe(parent),
                                rectText(parent.rect()));
        lookAtText(*child, where);
        lookAtTabs(*child, where);
        if (placesItsChildren(*child))
            lookAtChildren(*child, where);
    }
    for (int first = 0; first < shown.size(); ++first) {
        for (int second = first + 1; second < shown.size(); ++second) {
            const QRect common = shown[first]->geometry().intersected(shown[second]->geometry());
            if (!common.isEmpty())
                faults_ << QStringLiteral("%1: %2 and %3 overlap by %4")
                               .arg(where, describe(*shown[first]), describe(*shown[second]), rectText(common));
        }
    }
}

void LayoutAudit::lookAtText(const QWidget& control, const QString& where) {
    QSize need;
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        if (label->text().isEmpty())
            return;
        if (label->wordWrap())
            need = QSize(0, label->heightForWidth(label->width()));
        else
            need = label->minimumSizeHint();
    } else if (qobject_cast<const QCheckBox*>(&control) || qobject_cast<const QRadioButton*>(&control)) {
        // The indicator, the spacing and the text, as the style measures them.
        need = control.minimumSizeHint();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        const auto* tool = qobject_cast<const QToolButton*>(button);
        if (button->text().isEmpty() || (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly))
            return;
        need = QSize(pushButtonWidthNeed(*button), button->fontMetrics().height());
    } else if (const auto* group = qobject_cast<const QGroupBox*>(&control)) {
        if (group->title().isEmpty())
            return;
        need = QSize(group->fontMetrics().horizontalAdvance(plainText(group->title())), 0);
    } else {
        return;
    }
    if (control.width() < need.width() || control.height() < need.height())
        faults_ << QStringLiteral("%1: %2 is %3x%4 but its text needs %5x%6")
                       .arg(where, describe(control))
                       .arg(control.width())
                       .arg(control.height())
                       .arg(need.width())
                       .arg(need.height());
}

void LayoutAudit::lookAtTabs(const QWidget& control, const QString& where) {
    const auto* bar = qobject_cast<const QTabBar*>(&control);
    if (!bar)
        return;
    for (int tab = 0; tab < bar->count(); ++tab) {
        const QRect shape = bar->tabRect(tab);
        const int need = bar->fontMetrics().horizontalAdvance(plainText(bar->tabText(tab)));
        if (!bar->rect().contains(shape) || shape.width() < need)
            faults_ << QStringLiteral("%1: tab \"%2\" of %3 at %4 in a bar of %5 needs %6 across")
                           .arg(where, bar->tabText(tab), describe(*bar), rectText(shape), rectText(bar->rect()))
                           .arg(need);
    }
}
