#pragma once

class QWidget;

// Gives every control under root that has no accessible name one: its visible text, its hint (the tool tip of a
// picture button), the text of the label just before it in its layout,
// or the title of the group that holds it. Names set already are kept.
void nameControlsForAccessibility(QWidget& root);
