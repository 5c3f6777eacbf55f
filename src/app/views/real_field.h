// The one numeric field of the program. Its text is filtered as it is
// typed, so that it always stays the beginning of a real number ("-", "1.",
// "2e" are fine on the way to "-1.5e2"); a character that breaks it is
// removed. Values are read with the core's parser and shown with its
// formatter, so a point is the decimal separator whatever the locale.
#pragma once

#include <QLineEdit>
#include <QString>
#include <optional>

namespace skelmora::app {

class RealField : public QLineEdit {
  Q_OBJECT

 public:
  explicit RealField(QWidget* parent = nullptr);

  // The number in the field; nothing when the text is not a whole number
  // (empty, a lone sign, "2e").
  std::optional<double> value() const;
  // The longest number at the start of the text; 0 when there is none.
  double valueOrZero() const;
  // Shows value in fixed point with `decimals` decimals.
  void setValue(double value, int decimals);

  // What an OK with no number in the field says: the field's caption and
  // what it holds.
  static std::string ConversionError(const QString& caption, const QString& text);
};

// A value as the program shows it: fixed point, `decimals` decimals, at
// least `width` characters (right-aligned).
QString FixedText(double value, int decimals, int width = 0);

// The same with the trailing zeros of its six decimals (and a bare point)
// left off: 1 for 1.0, 2.5 for 2.5.
QString PlainText(double value);

// Position of the first character that cannot continue a real number, or
// -1 when the whole text can.
int FirstNonRealCharacter(const QString& text);

// The value of the longest real number at the start of text; 0 when there
// is none (an empty field, a lone sign).
double RealFieldValue(const QString& text);

}  // namespace skelmora::app
