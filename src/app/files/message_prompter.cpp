#include "files/message_prompter.h"

#include <QInputDialog>
#include <QMessageBox>

namespace skelmora::app {

namespace {
QString Text(const std::string& text) { return QString::fromStdString(text); }
}  // namespace

bool MessageBoxPrompter::AskYesNo(const std::string& text) {
  return QMessageBox::question(parent_, QStringLiteral("Confirm"), Text(text),
                               QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes) == QMessageBox::Yes;
}

int MessageBoxPrompter::AskYesNoCancel(const std::string& text) {
  const auto answer = QMessageBox::question(
      parent_, QStringLiteral("Confirm"), Text(text),
      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
  if (answer == QMessageBox::Yes) return 1;
  if (answer == QMessageBox::No) return 0;
  return -1;
}

void MessageBoxPrompter::ShowError(const std::string& text) {
  QMessageBox::critical(parent_, QStringLiteral("Error"), Text(text));
}

void MessageBoxPrompter::ShowInformation(const std::string& text) {
  QMessageBox::information(parent_, QStringLiteral("Information"), Text(text));
}

std::optional<std::string> MessageBoxPrompter::AskText(const std::string& caption,
                                                       const std::string& prompt,
                                                       const std::string& initial) {
  bool ok = false;
  const QString value = QInputDialog::getText(parent_, Text(caption), Text(prompt),
                                              QLineEdit::Normal, Text(initial), &ok);
  if (!ok) return std::nullopt;
  return value.toStdString();
}

}  // namespace skelmora::app
