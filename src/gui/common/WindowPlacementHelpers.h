#pragma once

class QSize;
class QWidget;

// Moves a top-level window so that it stands in the middle of the screen it is on (the primary one by default).
void centreOnScreen(QWidget& window);

// Makes a window non-resizable at the size its laid-out content needs at the current font and scale, and never smaller
// than the given size.
void fixAtContentSize(QWidget& window, const QSize& smallest);

// The designs give some controls pixel sizes measured with a small font. Under root, every control given an explicit
// smallest or largest size that is now below what its content needs at the current font and scale gets the content's
// size instead: the design's sizes stay the smallest, never cut a text. Combo boxes are left as they are: they show
// long entries shortened.
void raiseSizeLimitsToContent(QWidget& root);
