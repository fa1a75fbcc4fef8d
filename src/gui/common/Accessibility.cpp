#include "Accessibility.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QProgressBar>

namespace {

QString plain(QString text) {
    text.remove(QLatin1Char('&'));
    return text.trimmed();
}

// The label that stands before a control in the layout that holds it, as a form's label does.
QString precedingLabel(const QWidget& control) {
    const QWidget* parent = control.parentWidget();
    if (!parent)
        return {};
    for (const QLayout* layout : parent->findChildren<QLayout*>()) {
        const int at = layout->indexOf(&control);
        for (int i = at - 1; i >= 0; --i) {
            const QWidget* before = layout->itemAt(i)->widget();
            if (const auto* label = qobject_cast<const QLabel*>(before))
                return plain(label->text());
            if (before)
                break;
        }
    }
    return {};
}

QString nameFor(const QWidget& widget) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        const QString text = plain(button->text());
        // A picture button, or one whose text is only dots, is known by its hint.
        if (!text.isEmpty() && text != QLatin1String("..."))
            return text;
        return plain(button->toolTip());
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(&widget))
        return plain(group->title());
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return plain(label->text());
    const bool input = qobject_cast<const QComboBox*>(&widget) || qobject_cast<const QLineEdit*>(&widget) ||
                       qobject_cast<const QAbstractSpinBox*>(&widget) ||
                       qobject_cast<const QAbstractSlider*>(&widget) ||
                       qobject_cast<const QAbstractItemView*>(&widget) || qobject_cast<const QProgressBar*>(&widget);
    if (!input)
        return {};
    if (const QString hint = plain(widget.toolTip()); !hint.isEmpty())
        return hint;
    if (const QString label = precedingLabel(widget); !label.isEmpty())
        return label;
    // A lone field in a group is what the group's title says.
    for (const QWidget* outer = widget.parentWidget(); outer; outer = outer->parentWidget()) {
        if (const auto* group = qobject_cast<const QGroupBox*>(outer))
            return plain(group->title());
    }
    return {};
}

} // namespace

void nameControlsForAccessibility(QWidget& root) {
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    widgets.prepend(&root);
    for (QWidget* widget : widgets) {
        if (!widget->accessibleName().isEmpty())
            continue;
        const QString name = nameFor(*widget);
        if (!name.isEmpty())
            widget->setAccessibleName(name);
    }
}
