#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Looks at a shown window the way a reader of the screen would and lists what cannot be read or reached: a control
// that lies outside its parent, two controls drawn over each other, a text that is cut. Knows no window by name, so
// a control added anywhere is looked at too.
class LayoutAudit {
public:
    // Adds the faults of the window as it is now; state names the window's state in the fault's text.
    void look(const QWidget& window, const QString& state);
    // Shows each page of every tab widget in the window in turn and looks at each.
    void lookAtEveryPage(QWidget& window, const QString& state);

    [[nodiscard]] const QStringList& faults() const { return faults_; }

private:
    void lookAtChildren(const QWidget& parent, const QString& where);
    void lookAtText(const QWidget& control, const QString& where);
    void lookAtTabs(const QWidget& control, const QString& where);

    QStringList faults_;
};
