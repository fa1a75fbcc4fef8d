#include "DialogFrame.h"

#include "gui/common/WindowPlacementHelpers.h"

#include <QLabel>

void frameOptionsDialog(QDialog& dialog, QSize clientSize) {
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint);
    fixAtContentSize(dialog, clientSize);
    dialog.setModal(true);
    centreOnScreen(dialog);
}

void nameControlsAfterTheirLabels(QWidget& window) {
    for (QLabel* label : window.findChildren<QLabel*>()) {
        QWidget* control = label->buddy();
        if (control != nullptr && control->accessibleName().isEmpty())
            control->setAccessibleName(label->text().remove(QLatin1Char('&')).trimmed());
    }
}
