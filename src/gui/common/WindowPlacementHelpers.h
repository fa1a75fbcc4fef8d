#pragma once

class QWidget;

// Moves a top-level window so that it stands in the middle of the screen it is on (the primary one by default).
void centreOnScreen(QWidget& window);
