#include "views/real_field.h"

#include <QLineEdit>
#include <charconv>
#include <string>

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
  const std::string s = text.trimmed().toStdString();
  const char* first = s.data();
  if (!s.empty() && s[0] == '+') ++first;  // from_chars takes no plus sign
  double value = 0.0;
  const auto result = std::from_chars(first, s.data() + s.size(), value);
  return result.ec == std::errc() ? value : 0.0;
}

void InstallRealFilter(QLineEdit* edit) {
  QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& typed) {
    QString text = typed;
    int cursor = edit->cursorPosition();
    for (int bad = FirstNonRealCharacter(text); bad >= 0; bad = FirstNonRealCharacter(text)) {
      text.remove(bad, 1);
      if (bad < cursor) --cursor;
    }
    if (text != typed) {
      edit->setText(text);
      edit->setCursorPosition(cursor);
    }
  });
}

}  // namespace skelmora::app
