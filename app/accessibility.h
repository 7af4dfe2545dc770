#pragma once
// What screen readers are told: each hole by its column letter and row number with its
// state, and the clock and count labels with their captions.

#include <QString>

class QLabel;

namespace pebblenix {

// Installs the interfaces for board cells and captioned labels; harmless to call again.
void installAccessibility();

// The label is announced as "caption: text".
void setAccessibleCaption(QLabel* label, const QString& caption);

} // namespace pebblenix
