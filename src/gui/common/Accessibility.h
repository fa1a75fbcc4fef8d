#pragma once

class QWidget;

// Gives every control under root that has no accessible name one: its visible text, its hint (the tool tip of a
// picture button), the text of the label just before it in its layout,
// or the title of the group that holds it. Names set already are kept.
void nameControlsForAccessibility(QWidget& root);

// Lets a screen reader's toggle of a check box act as a click does, so a check box does the same whether it is
// clicked, changed from the keyboard or toggled by an assistive tool (Qt's own toggle skips the clicked signal the
// windows act on). Registered once for the whole program; later calls do nothing.
void letAssistiveToolsClickCheckBoxes();

// Lets assistive tools announce every combo box by its accessible name (its label) and its entry as its value, as
// for any other field. Registered once for the whole program; later calls do nothing.
void letAssistiveToolsNameComboBoxesByLabel();
