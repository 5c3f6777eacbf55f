// Numeric edit fields: the text is filtered as it is typed, so that it
// always stays the beginning of a real number ("-", "1.", "2e" are fine on
// the way to "-1.5e2"); a character that breaks it is removed.
#pragma once

#include <QString>

class QLineEdit;

namespace skelmora::app {

// Position of the first character that cannot continue a real number, or
// -1 when the whole text can.
int FirstNonRealCharacter(const QString& text);

// The value of the longest real number at the start of text; 0 when there
// is none (an empty field, a lone sign).
double RealFieldValue(const QString& text);

// Filters the field's text at every edit.
void InstallRealFilter(QLineEdit* edit);

}  // namespace skelmora::app
