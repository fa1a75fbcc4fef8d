#include "Accessibility.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessibleWidget>
#include <QCheckBox>
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

// A check box as assistive tools see it: its name, its checked state, and the press and toggle actions, both of which
// click it as the mouse would.
class ClickableCheckBoxAccessible : public QAccessibleWidget {
public:
    explicit ClickableCheckBoxAccessible(QCheckBox* box) : QAccessibleWidget(box, QAccessible::CheckBox) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty())
            text = plain(box()->text());
        return text;
    }
    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = box()->checkState() == Qt::Checked;
        state.checkStateMixed = box()->checkState() == Qt::PartiallyChecked;
        return state;
    }
    [[nodiscard]] QStringList actionNames() const override {
        return {QAccessibleActionInterface::toggleAction(), QAccessibleActionInterface::pressAction()};
    }
    void doAction(const QString& action) override {
        if (!box()->isEnabled())
            return;
        if (action == QAccessibleActionInterface::toggleAction() || action == QAccessibleActionInterface::pressAction())
            box()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    [[nodiscard]] QCheckBox* box() const { return static_cast<QCheckBox*>(widget()); }
};

// A combo box as assistive tools see it: known by its name (its label), its entry as its value, its list and, when
// it takes typing, its edit as children, and the action that opens or closes the list. Qt's own interface gives
// the entry as the name on this desktop, so a folder box would be read as the path it shows instead of "Folder".
class LabelledComboBoxAccessible : public QAccessibleWidget {
public:
    explicit LabelledComboBoxAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return shownText();
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty())
            text = shownText();
        return text;
    }
    [[nodiscard]] int childCount() const override { return box()->isEditable() ? 2 : 1; }
    [[nodiscard]] QAccessibleInterface* child(int index) const override {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(box()->view());
        if (index == 1 && box()->isEditable())
            return QAccessible::queryAccessibleInterface(box()->lineEdit());
        return nullptr;
    }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr)
            return -1;
        if (child->object() == box()->view())
            return 0;
        if (box()->isEditable() && child->object() == box()->lineEdit())
            return 1;
        return -1;
    }
    [[nodiscard]] QAccessibleInterface* childAt(int x, int y) const override {
        if (!box()->isEditable())
            return nullptr;
        const QPoint at = box()->lineEdit()->mapFromGlobal(QPoint(x, y));
        return box()->lineEdit()->rect().contains(at) ? child(1) : nullptr;
    }
    [[nodiscard]] QStringList actionNames() const override {
        return {QAccessibleActionInterface::showMenuAction(), QAccessibleActionInterface::pressAction()};
    }
    void doAction(const QString& action) override {
        if (!box()->isEnabled())
            return;
        if (action != QAccessibleActionInterface::showMenuAction() &&
            action != QAccessibleActionInterface::pressAction())
            return;
        if (box()->view()->isVisible())
            box()->hidePopup();
        else
            box()->showPopup();
    }
    [[nodiscard]] QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    [[nodiscard]] QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
    [[nodiscard]] QString shownText() const {
        return box()->isEditable() && box()->lineEdit() ? box()->lineEdit()->text() : box()->currentText();
    }
};

QAccessibleInterface* labelledComboBoxes(const QString& className, QObject* object) {
    auto* box = qobject_cast<QComboBox*>(object);
    if (!box || className != QLatin1String(box->metaObject()->className()))
        return nullptr;
    return new LabelledComboBoxAccessible(box);
}

QAccessibleInterface* clickableCheckBoxes(const QString& className, QObject* object) {
    auto* box = qobject_cast<QCheckBox*>(object);
    if (!box || className != QLatin1String(box->metaObject()->className()))
        return nullptr;
    return new ClickableCheckBoxAccessible(box);
}

} // namespace

void letAssistiveToolsClickCheckBoxes() {
    static const bool installed = [] {
        QAccessible::installFactory(clickableCheckBoxes);
        return true;
    }();
    static_cast<void>(installed);
}

void letAssistiveToolsNameComboBoxesByLabel() {
    static const bool installed = [] {
        QAccessible::installFactory(labelledComboBoxes);
        return true;
    }();
    static_cast<void>(installed);
}

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
