#pragma once

#include <QString>

// The test language's form of an English text: bracketed and about 40 % longer, so that a text cut off by its
// control or never passed through translation stands out at a glance. Placeholders (%1, %L2, %n), mnemonics
// (&File, &&), HTML tags and entities stay exactly as they are, so the text works wherever the English one does.
[[nodiscard]] QString pseudoText(const QString& english);
