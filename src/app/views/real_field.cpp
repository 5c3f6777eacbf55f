#include "views/real_field.h"

#include <string>

#include "files/text_io.h"

namespace skelmora::app {

int FirstNonRealCharacter(const QString& text) {
  // States: 0 start, 1 after sign, 2 integer digits, 3 point without digits,
  // 4 fraction (a digit seen), 5 after e, 6 exponent sign, 7 exponent digits.
  int state = 0;
  for (int i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    const bool digit = c >= u'0' && c <= u'9';
    const bool sign = c == u'+' || c == u'-';
    const bool point = c == u'.';
    const bool exponent = c == u'e' || c == u'E';
    int next = -1;
    switch (state) {
      case 0:
        next = sign ? 1 : digit ? 2 : point ? 3 : -1;
        break;
      case 1:
        next = digit ? 2 : point ? 3 : -1;
        break;
      case 2:
        next = digit ? 2 : point ? 4 : exponent ? 5 : -1;
        break;
      case 3:
        next = digit ? 4 : -1;
        break;
      case 4:
        next = digit ? 4 : exponent ? 5 : -1;
        break;
      case 5:
        next = sign ? 6 : digit ? 7 : -1;
        break;
      case 6:
      case 7:
        next = digit ? 7 : -1;
        break;
    }
    if (next < 0) return i;
    state = next;
  }
  return -1;
}

double RealFieldValue(const QString& text) {
  // The filter keeps the text the start of a number; its longest whole
  // number is a prefix of it.
  std::string s = text.trimmed().toStdString();
  while (!s.empty()) {
    if (const std::optional<double> value = TryParseReal(s)) return *value;
    s.pop_back();
  }
  return 0.0;
}

QString FixedText(double value, int decimals, int width) {
  return QString::fromStdString(FormatFixed(value, width, decimals));
}

QString PlainText(double value) {
  std::string text = FormatFixed(value, 0, 6);
  while (!text.empty() && text.back() == '0') text.pop_back();
  if (!text.empty() && text.back() == '.') text.pop_back();
  return QString::fromStdString(text == "-0" ? std::string("0") : text);
}

RealField::RealField(QWidget* parent) : QLineEdit(parent) {
  connect(this, &QLineEdit::textEdited, this, [this](const QString& typed) {
    QString text = typed;
    int cursor = cursorPosition();
    for (int bad = FirstNonRealCharacter(text); bad >= 0; bad = FirstNonRealCharacter(text)) {
      text.remove(bad, 1);
      if (bad < cursor) --cursor;
    }
    if (text != typed) {
      setText(text);
      setCursorPosition(cursor);
    }
  });
}

std::optional<double> RealField::value() const {
  return TryParseReal(text().trimmed().toStdString());
}

double RealField::valueOrZero() const { return RealFieldValue(text()); }

void RealField::setValue(double value, int decimals) { setText(FixedText(value, decimals)); }

std::string RealField::ConversionError(const QString& caption, const QString& text) {
  return NotANumberMessage(caption.toStdString(), text.toStdString());
}

}  // namespace skelmora::app
